// `--frames DIR`: each drag call's frame as an SVG picture.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "headless/screen/frame_writer.h"
#include "headless/screen/screen_log.h"
#include "headless/session/session.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(PreviewFrames, ShiftWritesOneFramePerMoveWithTheEntitiesIn15DegreeSteps) {
  const fs::path dir = fs::path(::testing::TempDir()) / "vorlix-frames";
  fs::remove_all(dir);
  std::ostringstream transcript;
  {
    Session session(transcript, SessionOptions{"", dir.string(), "", ""});
    session.RunText(
        "LINE;0,0;10,0;;VXMOVE;all;0,0;<move 50,50>;<hold shift>;"
        "<move 60,52>;<move 60,55>;<move 60,58>;<move 55,60>;<move 52,60>;<esc>");
    const std::vector<screen::Frame>& frames = screen::RunningScreen("the test").Frames();
    ASSERT_EQ(frames.size(), 6u);
    for (std::size_t i = 1; i < frames.size(); ++i) {
      const std::vector<std::uint8_t>& line = frames[i].primitives.at(0).record;
      const double angle =
          std::atan2(vx::GetF64(line.data(), vx::kLineY2) - 50, vx::GetF64(line.data(), vx::kLineX2) - 50);
      const double steps = angle / (3.14159265 / 12);
      EXPECT_NEAR(steps, std::round(steps), 1e-6) << "frame " << i;
    }
  }
  for (int i = 1; i <= 6; ++i) {
    const fs::path file = screen::FramePath(dir.string(), i);
    ASSERT_TRUE(fs::exists(file)) << file;
    EXPECT_NE(ReadAll(file).find("<svg"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(screen::FramePath(dir.string(), 7)));
  EXPECT_EQ(fs::path(screen::FramePath(dir.string(), 1)).filename(), "frame-0001.svg");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vxh::testing
