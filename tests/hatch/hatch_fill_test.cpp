// Regular hatch scenarios: lines at known places, totals checked against
// area / spacing, and what the hatch commands leave in the drawing. (The
// lines of generated boundaries are measured against GEOS in
// meeting_boundaries_test.cpp.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "hatch/hatch_layout.h"
#include "headless/win/key_state.h"
#include "headless/win/windows_state.h"
#include "host/win_api.h"
#include "tests/hatch/hatch_fixture.h"
#include "tests/support/records.h"

namespace vxh::testing {
namespace {

constexpr double kRightAngle = 1.570796325;

class RegularHatch : public HatchSession {};

// Angle 0 turns the square by a right angle into hatch space; the lines lie
// at the multiples of 0.2 inside the square and run from side to side.
TEST_F(RegularHatch, UnitSquareAtSpacingPointTwoAndAngleZero) {
  UseSettings(LineSettings(0.2, 0));
  Run("BOX;0,0;1,1;VXHATCHSTANDARD;all");
  std::vector<Segment> lines = HatchLines();
  ASSERT_EQ(lines.size(), 5u);
  std::sort(lines.begin(), lines.end(), [](const Segment& a, const Segment& b) { return a.y1 < b.y1; });
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_NEAR(lines[i].y1, 0.2 * static_cast<double>(i), 1e-7);
    EXPECT_NEAR(lines[i].y2, lines[i].y1, 1e-7);
    EXPECT_NEAR(std::fabs(lines[i].x2 - lines[i].x1), 1, 1e-7);
    EXPECT_EQ(lines[i].style, 1) << "line style \"Solid\"";
  }
}

struct CornerCase {
  const char* label;
  const char* forward;
  const char* backward;
  double spacing;
  double area;
};
void PrintTo(const CornerCase& c, std::ostream* os) { *os << c.label; }

class CornersOnScanLines : public HatchSession, public ::testing::WithParamInterface<CornerCase> {
 protected:
  std::vector<Segment> HatchOf(const char* shape) {
    Run(std::string(shape) + ";VXHATCHSTANDARD;last");
    std::vector<Segment> lines = HatchLines();
    for (Segment& s : lines) {
      if (s.y1 > s.y2) std::swap(s.y1, s.y2);
    }
    std::sort(lines.begin(), lines.end(),
              [](const Segment& a, const Segment& b) { return std::tie(a.x1, a.y1) < std::tie(b.x1, b.y1); });
    return lines;
  }
};

// At exactly 90 degrees hatch space is the drawing itself, so these corners
// lie exactly on scan lines. A corner passed through counts once, one only
// touched not at all, whichever way round the polygon runs; then the lines
// add up to area / spacing exactly.
TEST_P(CornersOnScanLines, CountOnceWhenPassedAndNeverWhenTouched) {
  UseSettings(LineSettings(GetParam().spacing, kRightAngle));
  const std::vector<Segment> forward = HatchOf(GetParam().forward);
  const std::vector<Segment> backward = HatchOf(GetParam().backward);
  EXPECT_DOUBLE_EQ(TotalLength(forward), GetParam().area / GetParam().spacing);
  ASSERT_EQ(forward.size(), backward.size());
  for (std::size_t i = 0; i < forward.size(); ++i) {
    EXPECT_EQ(forward[i].x1, backward[i].x1);
    EXPECT_EQ(forward[i].y1, backward[i].y1);
    EXPECT_EQ(forward[i].y2, backward[i].y2);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CornersOnScanLines,
    ::testing::Values(
        CornerCase{"BoxQuarter", "POLY;0,0;1,0;1,1;0,1;;", "POLY;0,0;0,1;1,1;1,0;;", 0.25, 1},
        CornerCase{"BoxHalf", "POLY;0,0;1,0;1,1;0,1;;", "POLY;0,0;0,1;1,1;1,0;;", 0.5, 1},
        CornerCase{"DiamondQuarter", "POLY;0.5,0;1,0.5;0.5,1;0,0.5;;", "POLY;0.5,0;0,0.5;0.5,1;1,0.5;;", 0.25, 0.5},
        CornerCase{"DiamondHalf", "POLY;0.5,0;1,0.5;0.5,1;0,0.5;;", "POLY;0.5,0;0,0.5;0.5,1;1,0.5;;", 0.5, 0.5},
        CornerCase{"NotchedStaircase", "POLY;0,0;2,0;2,1;1,1;1,2;0,2;;", "POLY;0,0;0,2;1,2;1,1;2,1;2,0;;", 0.5, 3}));

// A line above the box gives every scan line a third crossing, which has no
// partner and is left out.
TEST_F(RegularHatch, AnOddLastCrossingIsIgnored) {
  UseSettings(LineSettings(0.25, kRightAngle));
  Run("BOX;0,0;1,1;LINE;0,2;1,2;;VXHATCHSTANDARD;all");
  const std::vector<Segment> lines = HatchLines();
  EXPECT_DOUBLE_EQ(TotalLength(lines), 4);
  for (const Segment& s : lines) EXPECT_LE(std::max(s.y1, s.y2), 1.0);
}

TEST_F(RegularHatch, AnOpenLineAloneGivesAnEmptyGroup) {
  Run("LINE;0,0;5,5;;VXHATCHSTANDARD;all");
  EXPECT_TRUE(HatchLines().empty());
  EXPECT_EQ(Entities().size(), 2u);
}

// The selection flags of the picked entities come back with UNDO too.
TEST_F(RegularHatch, UndoAfterTheRegularOrSmartHatchRestoresTheDrawingByteForByte) {
  Run("BOX;0,0;3,3;CIRP;1.5,1.5;1,0;SELECT;all");
  const auto before = Snapshot(session.Doc().Work());
  for (const char* command : {"VXHATCHSTANDARD;all", "VXHATCHSMART;all;0.2,0.2"}) {
    SCOPED_TRACE(command);
    Run(command);
    ASSERT_EQ(Entities().size(), 3u);
    EXPECT_FALSE(HatchLines().empty());
    Run("UNDO");
    EXPECT_EQ(Snapshot(session.Doc().Work()), before);
  }
}

TEST_F(RegularHatch, EscapeAtAnyHatchCommandsPromptsChangesNothing) {
  Run("BOX;0,0;3,3");
  const auto before = Snapshot(session.Doc().Work());
  for (const char* script :
       {"VXHATCHSTANDARD;<esc>", "VXHATCHSCAN;<esc>", "VXHATCHSMART;<esc>", "VXHATCHSMART;all;<esc>"}) {
    Run(script);
    EXPECT_EQ(Snapshot(session.Doc().Work()), before) << script;
  }
}

TEST_F(RegularHatch, ScanLinesTwoAndFourAddShiftedFamiliesInTheirStyles) {
  vx::HatchSettings s = LineSettings(0.5, kRightAngle);
  s.SetScanOn(1, true);
  s.SetScanOffset(1, 0.5);
  s.SetScanStyle(1, "Dashed");
  s.SetScanOn(3, true);
  s.SetScanStyle(3, "No such style");
  UseSettings(s);
  Run("BOX;0.1,0;4.1,1;VXHATCHSTANDARD;all");
  std::vector<double> solid, dashed, unknown;
  for (const Segment& l : HatchLines()) (l.style == 1 ? solid : l.style == 2 ? dashed : unknown).push_back(l.x1);
  EXPECT_EQ(solid, (std::vector<double>{0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4}));
  EXPECT_EQ(dashed, (std::vector<double>{0.25, 0.75, 1.25, 1.75, 2.25, 2.75, 3.25, 3.75}));
  EXPECT_EQ(unknown.size(), solid.size()) << "an unknown style hatches with style 0";
}

// A group whose members include another group: every member at any depth is
// boundary, and the hatch is a new group of its own.
TEST_F(RegularHatch, ANestedGroupIsBoundaryWithAllItsMembers) {
  UseSettings(LineSettings(0.25, kRightAngle));
  vx::DList* work = session.Doc().WorkDL();
  const vxtest::Record group = vxtest::Group();
  Run("BOX;0,0;4,4;BOX;1,1;2,2");
  const std::vector<vx::Entity> boxes = Entities();
  vx::Entity outer = work->AddRecord(group.data());
  vx::DList* outer_members = work->MakeMemberList(outer);
  outer_members->CopyIn(boxes[0]);
  vx::Entity inner = outer_members->AddRecord(group.data());
  work->Remove(boxes[0]);
  vx::DList* inner_members = outer_members->MakeMemberList(inner);
  inner_members->CopyIn(boxes[1]);
  work->Remove(boxes[1]);
  Run("VXHATCHSTANDARD;all");
  ASSERT_EQ(Entities().size(), 2u) << "the picked group and the new hatch group";
  EXPECT_DOUBLE_EQ(TotalLength(HatchLines()), (16 - 1) / 0.25);
}

TEST_F(RegularHatch, AnUnknownPatternNameGivesAnEmptyGroupAndNoMessage) {
  for (int kind : {vx::kKindKorvex, vx::kKindPatFile}) {
    vx::HatchOptions o = vx::DefaultHatchOptions();
    o.SetPatternKind(kind);
    o.SetKorvexName("No such fill style");
    o.SetPatName("No such pattern");
    StoreOptions(o);
    Run("BOX;0,0;3,3;VXHATCHSTANDARD;last");
    EXPECT_TRUE(HatchLines().empty());
  }
  for (const std::string& line : TranscriptLines()) EXPECT_NE(line[0], '[') << line;
}

TEST_F(RegularHatch, AHostFillStyleHatchesWithItsFamilies) {
  vx::HatchOptions o = vx::DefaultHatchOptions();
  o.SetPatternKind(vx::kKindKorvex);
  o.SetKorvexName(".25 Crosshatch");
  StoreOptions(o);
  Run("BOX;0,0;5,5;VXHATCHSTANDARD;all");
  int up = 0, down = 0;
  for (const Segment& s : HatchLines()) ((s.x2 - s.x1) * (s.y2 - s.y1) > 0 ? up : down) += 1;
  EXPECT_GT(up, 20);
  EXPECT_GT(down, 20);
  EXPECT_NEAR(TotalLength(HatchLines()), 2 * 25 / 0.25, 2 * 8);
}

class PatHatch : public HatchSession {
 protected:
  // Dash starts along each line (drawing x for lines at angle 0), per line y.
  std::vector<Segment> HatchBox(const std::string& pat, double size = 10) {
    UsePat(pat, "P");
    Run("BOX;0,0;" + std::to_string(size) + "," + std::to_string(size) + ";VXHATCHSTANDARD;last");
    std::vector<Segment> lines = HatchLines();
    for (Segment& s : lines) {
      if (s.x1 > s.x2) std::swap(s.x1, s.x2);
    }
    return lines;
  }
};

// Dashes start a whole period (0.75) after the family's first one, which
// comes after the gap a family may start with; 20 lines of 10 units, two
// thirds drawn, each line end may cut a dash.
TEST_F(PatHatch, DashesFollowThePhaseAndTheDuty) {
  struct DashCase {
    const char* pat;
    double first;
  };
  for (const DashCase& c :
       {DashCase{"*P\n0, 0,0, 0,0.5, 0.5,-0.25\n", 0}, DashCase{"*P\n0, 0,0, 0,0.5, -0.25,0.5\n", 0.25}}) {
    SCOPED_TRACE(c.pat);
    const std::vector<Segment> lines = HatchBox(c.pat);
    ASSERT_FALSE(lines.empty());
    for (const Segment& s : lines) {
      if (s.x1 < 1e-9) continue;  // cut by the boundary
      const double periods = (s.x1 - c.first) / 0.75;
      EXPECT_NEAR(periods, std::round(periods), 1e-6) << s.x1;
    }
    EXPECT_NEAR(TotalLength(lines), 20 * 10 * 2.0 / 3.0, 20 * 0.5);
  }
}

TEST_F(PatHatch, DotsAreLinesOfLengthZero) {
  const std::vector<Segment> lines = HatchBox("*P\n0, 0,0, 0,1, 0,-0.5\n");
  ASSERT_FALSE(lines.empty());
  for (const Segment& s : lines) EXPECT_EQ(s.Length(), 0);
  EXPECT_NEAR(static_cast<double>(lines.size()), 10 * 10 / 0.5, 2 * 10);
}

// Successive lines are staggered by delta-x; a negative delta-y walks the
// stagger the other way.
TEST_F(PatHatch, NegativeDeltaYStaggersTheOtherWay) {
  for (double dy : {0.5, -0.5}) {
    const std::vector<Segment> lines = HatchBox("*P\n0, 0,0, 0.3," + std::to_string(dy) + ", 0.5,-0.5\n", 4);
    std::map<long, double> first_start;  // line y in half units -> first dash start inside
    for (const Segment& s : lines) {
      if (s.x1 < 1e-9) continue;
      const long row = std::lround(s.y1 / 0.5);
      if (!first_start.count(row) || s.x1 < first_start[row]) first_start[row] = s.x1;
    }
    ASSERT_GE(first_start.size(), 4u);
    for (auto it = first_start.begin(); std::next(it) != first_start.end(); ++it) {
      const double step = std::fmod(std::next(it)->second - it->second + 10, 1.0);
      EXPECT_NEAR(step, dy > 0 ? 0.3 : 0.7, 1e-6) << "rows " << it->first << " and " << std::next(it)->first;
    }
  }
}

TEST_F(PatHatch, EscapeHeldStopsTheFillAndKeepsTheGroup) {
  vxh::win::SetKeyHeld(vxh::win::RunningWindows("the test"), VK_ESCAPE, true);
  const std::vector<Segment> lines = HatchBox("*P\n0, 0,0, 0,0.5\n90, 0,0, 0,0.5\n");
  vxh::win::SetKeyHeld(vxh::win::RunningWindows("the test"), VK_ESCAPE, false);
  EXPECT_TRUE(lines.empty());
  const std::vector<std::string> t = TranscriptLines();
  EXPECT_NE(std::find(t.begin(), t.end(), "~ Hatching... (press ESC to cancel)"), t.end());
}

TEST_F(PatHatch, TwoFamiliesAtDifferentAnglesBothFill) {
  const std::vector<Segment> lines = HatchBox("*P\n0, 0,0, 0,0.5\n90, 0,0, 0,0.5\n");
  EXPECT_NEAR(TotalLength(lines), 2 * 100 / 0.5, 2 * 10);
}

}  // namespace
}  // namespace vxh::testing
