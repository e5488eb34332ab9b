// The arithmetic of text placement and the style keys, against values worked
// out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "host/entity_layout.h"
#include "host/record.h"
#include "host/win_api.h"
#include "text/placement_rules.h"
#include "text/style_keys.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(TextPlacementRules, CtrlTenthOfViewUpMultipliesBy16AndDownDivides) {
  EXPECT_FLOAT_EQ(vx::ScaledTextHeight(2.5f, 10.0, 100.0), 4.0f);
  EXPECT_FLOAT_EQ(vx::ScaledTextHeight(4.0f, -10.0, 100.0), 2.5f);
  EXPECT_FLOAT_EQ(vx::ScaledTextHeight(3.0f, 0.0, 100.0), 3.0f);
}

TEST(TextPlacementRules, SteppedAnglesAreMultiplesOf15Degrees) {
  const double step = static_cast<double>(static_cast<float>(kPi / 12));
  struct Case {
    double degrees;
    int steps;
  };
  for (const Case c : {Case{0, 0}, Case{7.4, 0}, Case{7.6, 1}, Case{44, 3}, Case{181, 12}, Case{359, 24}}) {
    EXPECT_DOUBLE_EQ(vx::SteppedTextAngle(c.degrees * kPi / 180), c.steps * step) << c.degrees;
  }
}

TEST(TextPlacementRules, SurroundBoxIsAThirdOfTheHeightOffTheExtentsAndCircleGoesThroughItsCorners) {
  const double min[2] = {1, 2}, max[2] = {7, 5};
  const vx::SurroundOutline box = vx::SurroundBox(min, max, 3.0f);
  const vx::SurroundOutline want = {{{0, 1}, {0, 6}, {8, 6}, {8, 1}, {0, 1}}};
  EXPECT_EQ(box, want);
  const vx::SurroundRing ring = vx::SurroundCircle(box);
  for (const vx::Vec2& corner : box) {
    EXPECT_DOUBLE_EQ(std::hypot(corner[0] - ring.centre[0], corner[1] - ring.centre[1]), ring.radius);
  }
  EXPECT_DOUBLE_EQ(ring.centre[0], 4.0);
  EXPECT_DOUBLE_EQ(ring.centre[1], 3.5);
}

TEST(TextPlacementRules, OnlyFieldsTheHostChangedAreMerged) {
  std::uint8_t last[vx::kTextSpecBytes] = {}, now[vx::kTextSpecBytes] = {}, spec[vx::kTextSpecBytes] = {};
  vx::PutF32(last, vx::kSpecHeight, 2.5f);
  std::memcpy(now, last, sizeof now);
  vx::PutF32(now, vx::kSpecAngle, 1.0f);    // changed in the host
  vx::PutF32(spec, vx::kSpecHeight, 7.0f);  // changed by the user's key
  vx::MergeChangedDefaults(spec, last, now);
  EXPECT_FLOAT_EQ(vx::GetF32(spec, vx::kSpecHeight), 7.0f);
  EXPECT_FLOAT_EQ(vx::GetF32(spec, vx::kSpecAngle), 1.0f);
}

TEST(StyleKeys, JustificationKeysGiveTheCodeAndDetachTheStyle) {
  const struct {
    const char* keys;
    int code_before;
    int code_after;
  } cases[] = {{"F", 0, 11}, {"L", 20, 16}, {"M", 13, 4}, {"MF", 13, 4}, {"N", 11, 0}, {"TR", 0, 8}, {"CB", 8, 1}};
  for (const auto& c : cases) {
    std::uint8_t spec[vx::kTextSpecBytes] = {};
    vx::PutU16(spec, vx::kSpecStyleRef, 7);
    vx::PutU8(spec, vx::kSpecJustify, static_cast<std::uint8_t>(c.code_before));
    char text[8] = "x";
    for (const char* k = c.keys; *k != 0; ++k)
      EXPECT_TRUE(vx::ApplyStyleKeyTo(static_cast<std::uint8_t>(*k), spec, text, sizeof text)) << c.keys;
    EXPECT_EQ(vx::GetU8(spec, vx::kSpecJustify), c.code_after) << c.keys;
    EXPECT_EQ(vx::GetU16(spec, vx::kSpecStyleRef), 0) << c.keys;
  }
}

TEST(StyleKeys, StrongTwiceKeepsTheBitsButDetachesTheStyle) {
  std::uint8_t spec[vx::kTextSpecBytes] = {};
  vx::PutU16(spec, vx::kSpecStyleRef, 3);
  vx::PutU8(spec, vx::kSpecStyleBits, vx::kStyleItalic);
  char text[8] = "x";
  vx::ApplyStyleKeyTo('S', spec, text, sizeof text);
  EXPECT_EQ(vx::GetU8(spec, vx::kSpecStyleBits), vx::kStyleItalic | vx::kStyleBold);
  vx::ApplyStyleKeyTo('S', spec, text, sizeof text);
  EXPECT_EQ(vx::GetU8(spec, vx::kSpecStyleBits), vx::kStyleItalic);
  EXPECT_EQ(vx::GetU16(spec, vx::kSpecStyleRef), 0);
}

TEST(StyleKeys, ArrowsStepTheFirstOrLastNumber) {
  struct Case {
    const char* before;
    int key;
    const char* after;
  };
  for (const Case c : {Case{"Pos 9", VK_UP, "Pos 10"}, Case{"A1-B1", VK_LEFT, "A1-B0"}, Case{"N007", VK_UP, "N8"},
                       Case{"x1 y5", VK_RIGHT, "x1 y6"}, Case{"x1 y5", VK_SUBTRACT, "x0 y5"}}) {
    std::uint8_t spec[vx::kTextSpecBytes] = {};
    char text[16];
    std::strcpy(text, c.before);
    vx::ApplyStyleKeyTo(static_cast<std::uint8_t>(c.key), spec, text, sizeof text);
    EXPECT_EQ(std::string(text), c.after) << c.before;
  }
}

}  // namespace
