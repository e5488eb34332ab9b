// Scenario tests of the transforms: a session with a 120 x 120 view (so a
// sixth of its height is 20 units), and readers for records and frames.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/screen/screen_log.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {

struct Segment {
  double x1, y1, x2, y2;
};

inline Segment SegmentOf(const std::uint8_t* e) {
  return {vx::GetF64(e, vx::kLineX1), vx::GetF64(e, vx::kLineY1), vx::GetF64(e, vx::kLineX2),
          vx::GetF64(e, vx::kLineY2)};
}

// The pack's own pi, as typed angles and snapped angles use it.
inline constexpr double kPackPi = 3.14159265;
// Angles from the cursor use the library's pi, typed and snapped ones the
// pack's: they differ in the ninth decimal.
inline constexpr double kNear = 1e-7;

inline void ExpectSegment(const std::uint8_t* e, Segment s, const char* what) {
  const Segment got = SegmentOf(e);
  EXPECT_NEAR(got.x1, s.x1, kNear) << what;
  EXPECT_NEAR(got.y1, s.y1, kNear) << what;
  EXPECT_NEAR(got.x2, s.x2, kNear) << what;
  EXPECT_NEAR(got.y2, s.y2, kNear) << what;
}

class TransformTest : public SessionTest {
 protected:
  void SetUp() override { Run("<view 0,0 120,120 1200 1200>"); }

  // Scripts cannot end while a request waits, so a test ends its drag with a
  // click or <esc> and then reads the frames each drag call left.
  static const std::vector<screen::Frame>& Frames() { return screen::RunningScreen("the test").Frames(); }
  static const screen::Frame& FrameAt(std::size_t i) { return screen::RunningScreen("the test").Frames().at(i); }
  static const screen::Frame& LastFrame() { return screen::RunningScreen("the test").Frames().back(); }

  // The feedback text of a frame; empty when it shows none.
  static std::string FeedbackOf(const screen::Frame& frame) {
    for (const screen::Primitive& p : frame.primitives)
      if (p.kind == screen::PrimitiveKind::kText) return p.text;
    return "";
  }

  static std::vector<std::vector<std::uint8_t>> PreviewOf(const screen::Frame& frame) {
    std::vector<std::vector<std::uint8_t>> out;
    for (const screen::Primitive& p : frame.primitives)
      if (p.kind == screen::PrimitiveKind::kEntity) out.push_back(p.record);
    return out;
  }

  // The kinds of a frame's primitives, in the order they were drawn.
  static std::string OrderOf(const screen::Frame& frame) {
    std::string out;
    for (const screen::Primitive& p : frame.primitives) {
      switch (p.kind) {
        case screen::PrimitiveKind::kEntity: out += 'E'; break;
        case screen::PrimitiveKind::kLine: out += 'L'; break;
        case screen::PrimitiveKind::kCircle: out += 'C'; break;
        case screen::PrimitiveKind::kText: out += 'T'; break;
        case screen::PrimitiveKind::kSetting: out += 'S'; break;
      }
    }
    return out;
  }

  bool Selected(vx::Entity e) { return session.Doc().Work().State(e).selected; }
};

}  // namespace vxh::testing
