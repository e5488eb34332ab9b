// The scan/paint hatch: strokes of the mouse paint hatch segments between
// the boundary crossings around the cursor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "headless/win/hook_chain.h"
#include "headless/win/windows_state.h"
#include "host/host_api.h"
#include "host/win_api.h"
#include "tests/hatch/hatch_fixture.h"
#include "tests/hatch/strokes.h"

namespace vxh::testing {
namespace {

constexpr double kVertical = 1.570796325;  // hatch lines run along y; strokes along x sweep them
constexpr double kDistance = 0.5;

class ScanHatch : public HatchSession {
 protected:
  void Vertical() { UseSettings(LineSettings(kDistance, kVertical)); }
};

// A wall across the box at y = 5: each hatch position has a lower and an
// upper segment, and CTRL takes away only those holding the cursor.
TEST_F(ScanHatch, CtrlRemovesExactlyTheSegmentsHoldingTheCursor) {
  Vertical();
  Run("BOX;0,0;10,10;LINE;0,5;10,5;;VXHATCHSCAN;all;" + Stroke({{0.2, 2}, {9.8, 2}}) + Stroke({{0.2, 8}, {9.8, 8}}) +
      "<hold ctrl>;" + Stroke({{0.2, 7}, {4.3, 7}}) + Stroke({{4.3, 2.5}, {4.9, 2.5}}) + "<release ctrl>;<esc>");
  std::vector<double> lower, upper;
  for (const Segment& s : HatchLines()) (std::min(s.y1, s.y2) < 2.5 ? lower : upper).push_back(s.x1);
  std::sort(lower.begin(), lower.end());
  std::sort(upper.begin(), upper.end());
  std::vector<double> expected_lower = Range(0.5, 4, 0.5);
  for (double x : Range(5, 9.5, 0.5)) expected_lower.push_back(x);
  ExpectNear(lower, expected_lower);
  ExpectNear(upper, Range(4.5, 9.5, 0.5));
}

TEST_F(ScanHatch, RemovingWhereNothingIsPaintedDoesNothing) {
  Vertical();
  Run("BOX;0,0;10,10;VXHATCHSCAN;all;" + Stroke({{0.2, 5}, {3.3, 5}}) + "<hold ctrl>;" + Stroke({{4.2, 5}, {9.8, 5}}) +
      "<release ctrl>;<esc>");
  ExpectNear(SortedX(HatchLines()), Range(0.5, 3, 0.5));
}

// With SHIFT the segments run across the hatch lines, at the same distance.
TEST_F(ScanHatch, ShiftPaintsPerpendicularAtTheSameDistance) {
  const double angle = 0.5235987756;  // 30 degrees
  UseSettings(LineSettings(kDistance, angle));
  const double ux = std::cos(angle), uy = std::sin(angle);  // along the hatch lines
  // Across the hatch lines for the first stroke, along them for the second:
  // 13 positions each, -3 to 3.
  const double r = 3.1;
  Run("BOX;-20,-20;20,20;VXHATCHSCAN;all;" + Stroke({{r * uy, -r * ux}, {-r * uy, r * ux}}) + "<hold shift>;" +
      Stroke({{-r * ux, -r * uy}, {r * ux, r * uy}}) + "<release shift>;<esc>");
  // The hatch angle's quarter turn is the pack's 1.570796325, a little
  // short of a right angle.
  const double tolerance = 1e-8;
  std::vector<double> hatch_positions, cross_positions;
  for (const Segment& s : HatchLines()) {
    const double dx = (s.x2 - s.x1) / s.Length(), dy = (s.y2 - s.y1) / s.Length();
    const double along = std::fabs(dx * ux + dy * uy);
    if (along > 0.5) {
      EXPECT_NEAR(along, 1, tolerance);
      hatch_positions.push_back(s.x1 * -uy + s.y1 * ux);
    } else {
      EXPECT_NEAR(along, 0, tolerance);
      cross_positions.push_back(s.x1 * ux + s.y1 * uy);
    }
  }
  for (auto* positions : {&hatch_positions, &cross_positions}) {
    ASSERT_EQ(positions->size(), 13u);
    std::sort(positions->begin(), positions->end());
    for (std::size_t i = 1; i < positions->size(); ++i) {
      EXPECT_NEAR((*positions)[i] - (*positions)[i - 1], kDistance, tolerance);
    }
  }
}

TEST_F(ScanHatch, TwoStrokesInTwoAreasAreOneGroupAndOneUndoStep) {
  Vertical();
  Run("BOX;0,0;4,4;BOX;6,0;10,4;SELECT;all");
  const auto before = Snapshot(session.Doc().Work());
  Run("VXHATCHSCAN;all;" + Stroke({{0.2, 2}, {3.8, 2}}) + Stroke({{6.2, 1}, {9.8, 3}}) + "<esc>");
  ASSERT_EQ(Entities().size(), 3u);
  std::vector<double> expected = Range(0.5, 3.5, 0.5);
  for (double x : Range(6.5, 9.5, 0.5)) expected.push_back(x);
  ExpectNear(SortedX(HatchLines()), expected);
  Run("UNDO");
  EXPECT_EQ(Snapshot(session.Doc().Work()), before);
}

// Between the boxes nothing bounds the cursor on either side.
TEST_F(ScanHatch, ACursorOutsideEveryBoundedAreaPaintsNothing) {
  Vertical();
  Run("BOX;0,0;4,4;BOX;6,0;10,4;VXHATCHSCAN;all;" + Stroke({{4.2, 2}, {5.8, 2}}) + Stroke({{1, 4.5}, {3, 4.5}}) +
      "<esc>");
  EXPECT_TRUE(HatchLines().empty());
}

TEST_F(ScanHatch, EscapeWithNothingPaintedKeepsAnEmptyGroupAsOneUndoStep) {
  Vertical();
  Run("BOX;0,0;10,10");
  const auto before = Snapshot(session.Doc().Work());
  Run("VXHATCHSCAN;all;<move 5,5>;<esc>");
  ASSERT_EQ(Entities().size(), 2u);
  EXPECT_TRUE(HatchLines().empty());
  EXPECT_FALSE(win::AnyHookInstalled(win::RunningWindows("the test"), WH_MOUSE));
  Run("UNDO");
  EXPECT_EQ(Snapshot(session.Doc().Work()), before);
}

// The cursor moving while the button is up paints nothing: the button-up
// reached the command's mouse hook, which is gone afterwards.
TEST_F(ScanHatch, OnlyADraggedCursorPaints) {
  Vertical();
  Run("BOX;0,0;10,10;VXHATCHSCAN;all;<move 0.2,5>;<move 9.8,5>;<down 1.2,5>;<move 2.2,5>;<up 2.2,5>;<move 9.8,5>;"
      "<move 0.2,5>;<esc>");
  EXPECT_FALSE(win::AnyHookInstalled(win::RunningWindows("the test"), WH_MOUSE));
  ExpectNear(SortedX(HatchLines()), {1.5, 2});
}

}  // namespace
}  // namespace vxh::testing
