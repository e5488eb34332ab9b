#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "measure/leader_direction.h"
#include "tests/transform/transform_fixture.h"

namespace vxh::testing {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kNear = 1e-6;

// Angles compare on the circle: the pack's own pi puts a computed 0 just
// below 2 pi.
::testing::AssertionResult SameAngle(double a, double b) {
  const double d = std::remainder(a - b, 2 * kPi);
  if (std::fabs(d) <= kNear) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << a << " and " << b << " differ by " << d;
}

class DimArcCommand : public TransformTest {
 protected:
  std::vector<vx::Entity> Dimensions() {
    std::vector<vx::Entity> out;
    for (vx::Entity e : Entities())
      if (KindOf(e) == vx::kKindDimArc) out.push_back(e);
    return out;
  }
};

struct ArcCase {
  const char* name;
  const char* script;
  double cx, cy, radius, start, sweep, leader1, leader2;
};

class ArcPlacement : public DimArcCommand, public ::testing::WithParamInterface<ArcCase> {};

// The sweep runs counter-clockwise from the start through the placed point,
// so the placed point's direction lies inside it.
TEST_P(ArcPlacement, TheArcRunsThroughThePlacedPoint) {
  const ArcCase& c = GetParam();
  Run(c.script);
  const std::vector<vx::Entity> dims = Dimensions();
  ASSERT_EQ(dims.size(), 1u);
  const vx::Entity d = dims[0];
  EXPECT_EQ(SizeOf(d), vx::kDimArcSize);
  EXPECT_NEAR(X(d, vx::kDimArcCentreX), c.cx, kNear);
  EXPECT_NEAR(X(d, vx::kDimArcCentreY), c.cy, kNear);
  EXPECT_NEAR(X(d, vx::kDimArcRadius), c.radius, kNear);
  EXPECT_TRUE(SameAngle(X(d, vx::kDimArcStart), c.start));
  EXPECT_NEAR(X(d, vx::kDimArcSweep), c.sweep, kNear);
  EXPECT_NEAR(X(d, vx::kDimArcLeader1), c.leader1, kNear);
  EXPECT_NEAR(X(d, vx::kDimArcLeader2), c.leader2, kNear);
  EXPECT_EQ(vx::GetU8(d, vx::kDimArcFlags), 3) << "Enter leaves the text to the host";
  EXPECT_EQ(vx::GetU32(d, vx::kDimArcZero220), 0u);
  EXPECT_EQ(vx::GetU32(d, vx::kDimArcZero224), 0u);
  EXPECT_EQ(vx::GetF32(d, vx::kDimStyle + 40), 2.5f) << "the style block is the drawing's dimension style";
}

INSTANTIATE_TEST_SUITE_P(
    Sides, ArcPlacement,
    ::testing::Values(ArcCase{"typed_and_picked_angles", "VXDIMA;10,0;180;0,20;0,0;5,5;<enter>", 0, 0,
                              std::hypot(5.0, 5.0), 0, kPi / 2, 10, 20},
                      ArcCase{"placed_on_the_other_side_swaps", "VXDIMA;10,0;180;0,20;0,0;-5,-5;<enter>", 0, 0,
                              std::hypot(5.0, 5.0), kPi / 2, 3 * kPi / 2, 20, 10},
                      ArcCase{"typed_90", "VXDIMA;10,10;0,10;0,20;90;3,14;<enter>", 0, 10, 5, 0, kPi / 2, 10, 10},
                      ArcCase{"leader_at_the_centre_turns_its_direction", "VXDIMA;0,0;0;0,10;0,0;-5,5;<enter>", 0, 0,
                              std::hypot(5.0, 5.0), kPi / 2, kPi / 2, 10, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DimArcCommand, ParallelLeadersEndWithAnErrorAndAddNothing) {
  Run("VXDIMA;10,0;90;20,0;90");
  EXPECT_TRUE(Dimensions().empty());
  const std::vector<std::string> lines = TranscriptLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "[Error] Center calculation failed - make sure the lines are not parallel");
  Run("LINE;0,0;1,1;;");  // no request is left pending
}

TEST_F(DimArcCommand, EscapeAtAnyPromptAddsNothing) {
  for (const char* script : {"VXDIMA;<esc>", "VXDIMA;10,0;<esc>", "VXDIMA;10,0;180;0,20;<esc>",
                             "VXDIMA;10,0;180;0,20;0,0;<esc>", "VXDIMA;10,0;180;0,20;0,0;5,5;<esc>"}) {
    Run(script);
    EXPECT_TRUE(Dimensions().empty()) << script;
  }
}

struct TextCase {
  const char* place;
  int side;
};

class TextPlacement : public DimArcCommand, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TextPlacement, ThePlacedTextSaysWhetherItLiesWithinTheSweep) {
  Run(std::string("VXDIMA;10,0;180;0,20;0,0;5,5;") + GetParam().place);
  const std::vector<vx::Entity> dims = Dimensions();
  ASSERT_EQ(dims.size(), 1u);
  EXPECT_EQ(vx::GetU8(dims[0], vx::kDimArcFlags), 7);
  EXPECT_EQ(vx::GetU8(dims[0], vx::kDimArcTextSide), GetParam().side);
}

INSTANTIATE_TEST_SUITE_P(Sides, TextPlacement,
                         ::testing::Values(TextCase{"<move 2,8>;2,8", 0}, TextCase{"<move -8,-2>;-8,-2", 1}));

struct SearchCase {
  double qx, qy;  // raw pick position
  std::optional<double> angle;
};

class DirectionSearch : public DimArcCommand, public ::testing::WithParamInterface<SearchCase> {};

// 120 units on 1200 pixels: the search reaches 0.4 units.
TEST_P(DirectionSearch, TheNearestLineWithinFourPixelsGivesTheDirection) {
  Run("LINE;10,0;20,0;;");
  Run("PATH;0,10;0,20;5,30;;");
  auto* pick = static_cast<std::uint8_t*>(vx::RscAdr(vx::kRscPick));
  vx::PutF64(pick, 36, GetParam().qx);
  vx::PutF64(pick, 44, GetParam().qy);
  const std::optional<double> a = vx::LeaderDirection(session.Doc().WorkDL(), vx::Vec2{30, 0});
  ASSERT_EQ(a.has_value(), GetParam().angle.has_value());
  if (a) {
    EXPECT_NEAR(*a, *GetParam().angle, 1e-9);
  }
}

INSTANTIATE_TEST_SUITE_P(Picks, DirectionSearch,
                         ::testing::Values(SearchCase{15, 0.3, kPi}, SearchCase{15, 0.5, std::nullopt},
                                           SearchCase{20.2, 0.1, kPi}, SearchCase{0.3, 15, std::atan2(15.0, -30.0)},
                                           SearchCase{30, 0.1, std::nullopt}));

}  // namespace
}  // namespace vxh::testing
