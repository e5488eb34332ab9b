#include <cmath>

#include "tests/cut/cut_fixture.h"

namespace vxh::testing {
namespace {

using MultiTrim = CutTest;

double PathLength(vx::Entity e) {
  const int n = vx::GetU16(e, vx::kPolyCount);
  double length = 0;
  for (int i = 0; i + 1 < n; ++i) {
    const std::size_t a = vx::kPolyVertices + i * vx::kVertexBytes, b = a + vx::kVertexBytes;
    length += std::hypot(X(e, b) - X(e, a), X(e, b + 8) - X(e, a + 8));
  }
  return length;
}

struct KeepCase {
  const char* name;
  const char* keep;
  Segment left;
};

class TrimKeep : public CutTest, public ::testing::WithParamInterface<KeepCase> {};

// A line from 0 to 10 and the trim line x = 4 drawn upwards: its left is
// x < 4, and a keep point on the line counts as the right side.
TEST_P(TrimKeep, TheLineLosesThePieceOnTheOtherSide) {
  Run("LINE;0,0;10,0;;");
  Run(std::string("VXMTRIM;all;4,-5;4,5;") + GetParam().keep);
  const std::vector<vx::Entity> lines = Entities();
  ASSERT_EQ(lines.size(), 1u);
  ExpectSegment(lines[0], GetParam().left, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Sides, TrimKeep,
                         ::testing::Values(KeepCase{"Right", "8,0", {4, 0, 10, 0}},
                                           KeepCase{"Left", "1,3", {0, 0, 4, 0}},
                                           KeepCase{"OnTheLineCountsAsRight", "4,2", {4, 0, 10, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

// The trim line drawn either way keeps the same side.
TEST_F(MultiTrim, APolylineCrossingTwiceKeepsOnlyItsPieceOnTheKeptSide) {
  for (const char* trim : {"5,-5;5,15", "5,15;5,-5"}) {
    SCOPED_TRACE(trim);
    Run("PATH;0,0;10,0;10,10;0,10;;");
    Run(std::string("VXMTRIM;all;") + trim + ";8,5");
    const std::vector<vx::Entity> left = Entities();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_NEAR(PathLength(left[0]), 20, 1e-9) << "two pieces of 5 went";
    EXPECT_EQ(X(left[0], vx::kPolyVertices), 5);
    EXPECT_EQ(X(left[0], vx::kPolyVertices + 8), 0);
    Run("UNDO");
    Run("UNDO");
  }
}

TEST_F(MultiTrim, EntitiesTouchedAtAnEndOrNotAtAllStayUnchangedAndUnmarked) {
  Run("LINE;4,0;10,0;;CIRP;20,0;@1,0;");
  const std::vector<std::uint8_t> before = Records();
  Run("VXMTRIM;all;4,-5;4,5;1,0");
  for (vx::Entity e : Entities()) EXPECT_FALSE(Selected(e));
  EXPECT_EQ(Records(), before);
}

// The circle is crossed at its start point (angle 0), which used to leave it
// opened but whole and then removed by a middle lying on the trim line.
TEST_F(MultiTrim, ACircleCrossedAtItsStartKeepsTheHalfOnTheKeptSide) {
  Run("CIRP;0,0;@5,0;ARCB;-5,10;0,15;5,10");
  Run("VXMTRIM;all;-10,0;10,0;0,20");
  const std::vector<vx::Entity> left = Entities();
  ASSERT_EQ(left.size(), 2u);
  for (vx::Entity e : left) EXPECT_EQ(KindOf(e), vx::kKindArc);
  // The circle keeps its upper half; the arc above the line is not crossed.
  EXPECT_NEAR(X(left[0], vx::kArcStart), 0, 1e-9);
  EXPECT_NEAR(X(left[0], vx::kArcSweep), 3.14159265358979, 1e-9);
  EXPECT_NEAR(X(left[1], vx::kCircleY), 10, 1e-9);
}

TEST_F(MultiTrim, TextsAndOpaqueEntitiesAreNeverSplit) {
  Add(vxtest::Text(0, 0, 2, 1, 0, "ACROSS"));
  Add(vxtest::Blank(vx::kKindOpaque, vx::kGroupSize));
  const std::vector<std::uint8_t> before = Records();
  Run("VXMTRIM;all;4,-5;4,5;8,0");
  EXPECT_EQ(Records(), before);
}

TEST_F(MultiTrim, TrimIsOneUndoStepAndCancelChangesNothing) {
  Run("LINE;0,0;10,0;;PATH;0,-2;10,3;;");
  const std::vector<std::uint8_t> before = Saved();
  Run("VXMTRIM;all;4,-5;<esc>");
  Run("VXMTRIM;all;4,-5;4,5;<esc>");
  EXPECT_EQ(Saved(), before);
  Run("VXMTRIM;all;4,-5;4,5;8,0");
  EXPECT_NE(Saved(), before);
  Run("UNDO");
  EXPECT_EQ(Saved(), before);
}

}  // namespace
}  // namespace vxh::testing
