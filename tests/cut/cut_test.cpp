#include <cmath>

#include "headless/drawing/settings_tables.h"
#include "headless/host_error.h"
#include "host/settings_layout.h"
#include "tests/cut/cut_fixture.h"
#include "tests/text/text_fixture.h"

namespace vxh::testing {
namespace {

using Cut = CutTest;

double LineLength(vx::Entity e) {
  const Segment s = SegmentOf(e);
  return std::hypot(s.x2 - s.x1, s.y2 - s.y1);
}

struct CircleCutCase {
  const char* name;
  const char* dialog;
  int lines_left;
  bool outer_selected;
  bool middle_left;
  bool middle_selected;
  double length_left;
};

class CircleCut : public CutTest, public ::testing::WithParamInterface<CircleCutCase> {};

// A line from 0 to 10 through a circle of radius 2 about (5, 0): three
// pieces, 0..3, 3..7 (inside) and 7..10.
TEST_P(CircleCut, TheLineIsSplitIntoThreeAndThePiecesGoByTheirSide) {
  const CircleCutCase& c = GetParam();
  Run("LINE;0,0;10,0;;");
  Run(std::string("VXCUT;") + c.dialog + ";all;5,0;7,0");
  const std::vector<vx::Entity> lines = OfKind(vx::kKindLine);
  ASSERT_EQ(static_cast<int>(lines.size()), c.lines_left);
  double total = 0;
  for (vx::Entity e : lines) {
    const Segment s = SegmentOf(e);
    total += LineLength(e);
    const bool middle = std::fabs(s.x1 + s.x2 - 10) < 1e-9;
    EXPECT_EQ(Selected(e), middle ? c.middle_selected : c.outer_selected) << c.name << " " << s.x1;
    EXPECT_TRUE(!middle || c.middle_left) << c.name;
  }
  EXPECT_NEAR(total, c.length_left, 1e-9) << "the pieces add up to what is left of the line";
  const std::vector<vx::Entity> circles = OfKind(vx::kKindCircle);
  ASSERT_EQ(circles.size(), 1u) << "the boundary is drawn";
  EXPECT_EQ(X(circles[0], vx::kCircleR), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, CircleCut,
    ::testing::Values(CircleCutCase{"DeleteKeepingOutside", "{press ok}", 2, true, false, false, 6},
                      CircleCutCase{"DeleteKeepingInside", "{1045; press ok}", 1, false, true, true, 4},
                      CircleCutCase{"SelectKeepingOutside", "{1044; press ok}", 3, true, true, false, 10},
                      CircleCutCase{"SelectKeepingInside", "{1044; 1045; press ok}", 3, false, true, true, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Cut, DeleteIsOneUndoStepThatRestoresTheDrawingByteForByte) {
  Run("LINE;0,0;10,0;;ARCB;0,-4;5,1;10,-4;CIRP;20,20;@1,0");
  const std::vector<std::uint8_t> before = Saved();
  Run("VXCUT;{1040; press ok};all;3,-5;7,5");
  EXPECT_NE(Saved(), before);
  Run("UNDO");
  EXPECT_EQ(Saved(), before);
}

TEST_F(Cut, AnArcCutByABoxLosesItsInsideAndThePiecesKeepItsLength) {
  const vx::Entity arc = Add(vxtest::Arc(0, 0, 5, 0, 3.14159265358979));
  const double whole = 5 * 3.14159265358979;
  (void)arc;
  Run("VXCUT;{1040; press ok};all;-2,-1;2,10");
  const std::vector<vx::Entity> arcs = OfKind(vx::kKindArc);
  ASSERT_EQ(arcs.size(), 2u);
  double kept = 0;
  for (vx::Entity e : arcs) kept += 5 * std::fabs(X(e, vx::kArcSweep));
  // The box takes the part of the arc between x = -2 and x = 2.
  const double taken = 5 * 2 * std::asin(2.0 / 5);
  EXPECT_NEAR(kept + taken, whole, 1e-9);
}

TEST_F(Cut, ALineTouchingTheBoundaryExtentsOnlyAtAnEdgeIsNotCutAndCountsAsOutside) {
  // Tangent to the circle at (7, 0): the boxes share only the edge x = 7.
  Run("LINE;7,-5;7,5;;");
  const std::vector<std::uint8_t> line(Entities()[0], Entities()[0] + vx::kLineSize);
  Run("VXCUT;{1044; press ok};all;5,0;7,0");
  const std::vector<vx::Entity> lines = OfKind(vx::kKindLine);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(std::vector<std::uint8_t>(lines[0], lines[0] + vx::kLineSize), line);
  EXPECT_TRUE(Selected(lines[0])) << "outside, and outside is kept: selected";
}

TEST_F(Cut, ACrossingAtAnEndPointDoesNotSplit) {
  // Both lines end on the circle of radius 5 at (3, 4); the second also
  // crosses it at (-3, 4).
  Run("LINE;3,4;10,4;;LINE;-10,4;3,4;;");
  Run("VXCUT;{1044; press ok};all;0,0;5,0");
  const std::vector<vx::Entity> lines = OfKind(vx::kKindLine);
  ASSERT_EQ(lines.size(), 3u);
  ExpectSegment(lines[0], {3, 4, 10, 4}, "untouched by its end point");
  ExpectSegment(lines[1], {-10, 4, -3, 4}, "outside piece");
  ExpectSegment(lines[2], {-3, 4, 3, 4}, "inside piece");
  EXPECT_TRUE(Selected(lines[0]));
  EXPECT_FALSE(Selected(lines[2]));
}

TEST_F(Cut, EntitiesOnHiddenOrFrozenLayersAndTheBoundaryItselfStayAsTheyWere) {
  Run("LAYER;Cold;LINE;0,1;10,1;;LAYER;Dark;LINE;0,-1;10,-1;;LAYER;0;CIRP;5,0;@3,0;LINE;0,0;10,0;;");
  SetLayerFlag(session.Doc(), "Cold", vx::kLayerFrozen, true);
  SetLayerFlag(session.Doc(), "Dark", vx::kLayerHidden, true);
  const std::vector<std::uint8_t> before = Records();
  Run("VXCUT;{1041; press ok};all+layer Cold+layer Dark;5,3");
  const std::vector<vx::Entity> lines = OfKind(vx::kKindLine);
  ASSERT_EQ(lines.size(), 4u) << "only the line on layer 0 is cut, keeping its two outer pieces";
  std::vector<std::uint8_t> untouched;
  for (vx::Entity e : Entities())
    if (KindOf(e) != vx::kKindLine || LineLength(e) == 10) untouched.insert(untouched.end(), e, e + SizeOf(e));
  const std::size_t line_and_circle = vx::kLineSize * 2 + vx::kCircleSize;
  EXPECT_EQ(untouched, std::vector<std::uint8_t>(before.begin(), before.begin() + line_and_circle));
  EXPECT_EQ(OfKind(vx::kKindCircle).size(), 1u) << "an existing boundary is not drawn again";
}

TEST_F(Cut, ASymbolIsKeptOrDiscardedWholeByItsInsertionPoint) {
  vxtest::Record symbol = SymbolRecord(Placement(0, 4, 0));
  const vx::Entity inside = Add(symbol);
  session.Doc().WorkDL()->MakeMemberList(inside)->AddRecord(vxtest::Line(0, 0, 10, 0).data());
  vx::PutF64(symbol.data(), vx::kSymInsertX, 20);
  const vx::Entity outside = Add(symbol);
  session.Doc().WorkDL()->MakeMemberList(outside)->AddRecord(vxtest::Line(-20, 0, -10, 0).data());
  // The circle about (5, 0) of radius 3 crosses both symbols' lines; the
  // first is inserted at (4, 0), inside, the second at (20, 0), outside.
  Run("VXCUT;{1049=0; press ok};all;5,0;8,0");
  const std::vector<vx::Entity> left = Entities();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(X(left[0], vx::kSymInsertX), 20);
  EXPECT_EQ(session.Doc().WorkDL()->MemberList(left[0])->Walk(
                [](vx::DList*, vx::Entity, std::intptr_t, std::intptr_t) { return 1; }, vx::kWalkAll),
            1)
      << "its member is not split";
}

// A circle crossed at its start point (angle 0) used to be opened only at its
// other crossing and then judged whole by a middle lying on the boundary.
TEST_F(Cut, ACircleCrossedAtItsStartIsStillCutInTwo) {
  Run("CIRP;0,0;@5,0;");
  Run("VXCUT;{1040; press ok};all;-10,0;10,10");
  const std::vector<vx::Entity> arcs = OfKind(vx::kKindArc);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_NEAR(X(arcs[0], vx::kArcStart), 3.14159265358979, 1e-9) << "the lower half stays";
  EXPECT_NEAR(X(arcs[0], vx::kArcSweep), 3.14159265358979, 1e-9);
}

TEST_F(Cut, OpaqueEntitiesAreLeftAloneAndTextsGoWholeByTheirOrigin) {
  Add(vxtest::Blank(vx::kKindOpaque, vx::kGroupSize));
  Add(vxtest::Text(4, 0, 2, 1, 0, "CROSSING"));
  Add(vxtest::Text(-6, 0, 2, 1, 0, "CROSSING"));
  Run("VXCUT;{1049=0; press ok};all;5,0;8,0");
  const std::vector<vx::Entity> left = Entities();
  ASSERT_EQ(left.size(), 2u) << "the text starting inside the circle went";
  EXPECT_EQ(KindOf(left[0]), vx::kKindOpaque);
  EXPECT_EQ(X(left[1], vx::kTextX), -6);
}

TEST_F(Cut, ATypedRadiusIsTakenAsItsSize) {
  Run("VXCUT;{press ok};all;5,0;-5");
  const std::vector<vx::Entity> circles = OfKind(vx::kKindCircle);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(X(circles[0], vx::kCircleR), 5);
}

// The radius prompt draws the circle following the cursor; SHIFT carries
// its centre by the cursor's steps.
TEST_F(Cut, TheRadiusPromptDrawsTheCircleAndShiftCarriesItsCentre) {
  Run("VXCUT;{press ok};all;5,0;<move 8,0>;<hold shift>;<move 9,2>;<release shift>;<move 13,2>;13,2");
  const std::vector<screen::Frame>& frames = Frames();
  ASSERT_GE(frames.size(), 3u);
  const screen::Primitive& sized = frames[frames.size() - 3].primitives.at(0);
  EXPECT_EQ(sized.kind, screen::PrimitiveKind::kCircle);
  EXPECT_EQ(sized.radius, 3);
  const screen::Primitive& moved = frames[frames.size() - 2].primitives.at(0);
  EXPECT_EQ(moved.points, (std::vector<double>{6, 2})) << "SHIFT carried the centre by the cursor's step";
  EXPECT_EQ(moved.radius, 3);
  const std::vector<vx::Entity> circles = OfKind(vx::kKindCircle);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(X(circles[0], vx::kCircleX), 6);
  EXPECT_EQ(X(circles[0], vx::kCircleY), 2);
  EXPECT_EQ(X(circles[0], vx::kCircleR), 7);
}

TEST_F(Cut, AGroupIsCutThroughItsMembers) {
  vx::DList* members = session.Doc().WorkDL()->MakeMemberList(Add(vxtest::Blank(vx::kKindGroup, vx::kGroupSize)));
  members->AddRecord(vxtest::Line(0, 0, 10, 0).data());
  members->AddRecord(vxtest::Line(0, 5, 10, 5).data());
  Run("VXCUT;{1049=0; press ok};all;5,0;7,0");
  std::vector<Segment> left;
  members->Walk(
      [](vx::DList*, vx::Entity e, std::intptr_t out, std::intptr_t) {
        reinterpret_cast<std::vector<Segment>*>(out)->push_back(SegmentOf(e));
        return 0;
      },
      vx::kWalkAll, reinterpret_cast<std::intptr_t>(&left));
  ASSERT_EQ(left.size(), 3u);
  EXPECT_EQ(left[0].x2, 3);
  EXPECT_EQ(left[1].x1, 7);
  EXPECT_EQ(left[2].y1, 5) << "the member the circle misses stays";
}

struct DisabledCase {
  const char* answer;
  const char* control;
};

class CutDialog : public CutTest, public ::testing::WithParamInterface<DisabledCase> {};

TEST_P(CutDialog, ControlsThatDoNotApplyRefuseInput) {
  const std::string error = ErrorOf<BadInput>(std::string("VXCUT;") + GetParam().answer);
  EXPECT_NE(error.find(GetParam().control), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(Enabling, CutDialog,
                         ::testing::Values(DisabledCase{"{1043; 1045; press ok}",
                                                        "1045"},                        // no side to keep for a copy
                                           DisabledCase{"{1038=4; press ok}", "1038"},  // no scale but for a copy
                                           DisabledCase{"{1041; 1049=0; press ok}", "1049"},
                                           DisabledCase{"{1043; 1042; 1038=4; press ok}", "1038"}));

TEST_F(Cut, ControlsFollowTheOperationAndBoundaryChosen) {
  Run("VXCUT;{1043; 1038=4; 1041; 1049=0; press ok};<esc>");
  Run("VXCUT;{1042; 1039; 1045; press ok};<esc>");
  EXPECT_EQ(TranscriptLines().back(), "= <esc>");
}

TEST_F(Cut, CancelledDialogOrBoundaryChangesNothing) {
  Run("LINE;0,0;10,0;;");
  const std::vector<std::uint8_t> before = Saved();
  Run("VXCUT;{press cancel}");
  Run("VXCUT;{press ok};all;<esc>");
  Run("VXCUT;{1040; press ok};all;1,1;<esc>");
  EXPECT_EQ(Saved(), before);
}

TEST_F(Cut, ARightClickOnTheDialogGoesOnWithTheSettings) {
  Run("LINE;0,0;10,0;;VXCUT;<rclick>;all;5,0;7,0");
  EXPECT_EQ(OfKind(vx::kKindLine).size(), 2u);
}

}  // namespace
}  // namespace vxh::testing
