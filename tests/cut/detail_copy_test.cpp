#include <cmath>

#include "tests/cut/cut_fixture.h"

namespace vxh::testing {
namespace {

using DetailCopy = CutTest;

constexpr char kCopyCircle[] = "VXCUT;{1043; 1039; 1049; press ok};all;0,0;1,0;";

double DistanceToLine(double px, double py, const Segment& s) {
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  return std::fabs(dx * (py - s.y1) - dy * (px - s.x1)) / std::hypot(dx, dy);
}

// The entities a run added after the `before` first ones.
std::vector<vx::Entity> After(const std::vector<vx::Entity>& all, std::size_t before) {
  return {all.begin() + static_cast<std::ptrdiff_t>(before), all.end()};
}

TEST_F(DetailCopy, ACircleDetailIsEnlargedAtTheCursorAndJoinedByTheOuterTangents) {
  Run("LINE;-2,0;2,0;;");
  const std::vector<std::uint8_t> source(Entities()[0], Entities()[0] + vx::kLineSize);
  Run(std::string(kCopyCircle) + "<move 10,0>;10,0");
  const std::vector<vx::Entity> all = Entities();
  ASSERT_EQ(all.size(), 6u) << "source, piece, enlarged boundary, boundary, two connectors";
  EXPECT_EQ(std::vector<std::uint8_t>(all[0], all[0] + vx::kLineSize), source) << "the source is untouched";
  ExpectSegment(all[1], {7, 0, 13, 0}, "the inside piece, three times as long, about (10, 0)");
  EXPECT_EQ(KindOf(all[2]), vx::kKindCircle);
  EXPECT_NEAR(X(all[2], vx::kCircleX), 10, 1e-12);
  EXPECT_NEAR(X(all[2], vx::kCircleR), 3, 1e-12);
  EXPECT_EQ(X(all[3], vx::kCircleX), 0);
  EXPECT_EQ(X(all[3], vx::kCircleR), 1);
  const Segment a = SegmentOf(all[4]), b = SegmentOf(all[5]);
  for (const Segment& s : {a, b}) {
    EXPECT_NEAR(DistanceToLine(0, 0, s), 1, 1e-7) << "tangent to the boundary";
    EXPECT_NEAR(DistanceToLine(10, 0, s), 3, 1e-7) << "tangent to the enlarged copy";
    EXPECT_NEAR(std::hypot(s.x1, s.y1), 1, 1e-12) << "starts on the boundary";
    EXPECT_NEAR(std::hypot(s.x2 - 10, s.y2), 3, 1e-12) << "ends on the copy";
  }
  EXPECT_NEAR(a.x1, b.x1, 1e-7);
  EXPECT_NEAR(a.y1, -b.y1, 1e-7) << "symmetric about the x axis";
  EXPECT_NEAR(a.x2, b.x2, 1e-7);
  EXPECT_NEAR(a.y2, -b.y2, 1e-7);
  EXPECT_GT(a.y1 * a.y2, 0) << "outer tangents do not cross the axis between the circles";
}

// One circle inside the other has no outer tangents: the arcsine's argument
// would be out of range (or d = 0), and lines from NaN points used to follow.
TEST_F(DetailCopy, ADetailPlacedOverItsBoundaryGetsNoConnectors) {
  for (const char* at : {"0,0", "0.5,0"}) {
    Run("LINE;-2,0;2,0;;");
    const std::size_t before = Entities().size();
    Run(std::string(kCopyCircle) + "<move " + at + ">;" + at);
    const std::vector<vx::Entity> added = After(Entities(), before);
    ASSERT_EQ(added.size(), 3u) << at << ": the piece and the two circles only";
    EXPECT_EQ(KindOf(added[1]), vx::kKindCircle);
    EXPECT_EQ(KindOf(added[2]), vx::kKindCircle);
    Run("UNDO");
    Run("UNDO");
  }
}

TEST_F(DetailCopy, AnExistingBoundaryIsEnlargedAndJoinedButNotAddedAgain) {
  Run("BOX;0,0;2,2;LINE;1,-1;1,3;;");
  Run("VXCUT;{1043; 1041; 1049; press ok};all;2,1;<move 10,0>;10,0");
  const std::vector<vx::Entity> added = After(Entities(), 2);
  ASSERT_EQ(added.size(), 4u) << "the piece, the enlarged boundary and two connectors";
  ExpectSegment(added[0], {10, -3, 10, 3}, "the piece");
  EXPECT_EQ(KindOf(added[1]), vx::kKindPolygon);
  EXPECT_EQ(X(added[1], vx::kPolyVertices), 7);
  EXPECT_EQ(KindOf(added[2]), vx::kKindLine);
  EXPECT_EQ(KindOf(added[3]), vx::kKindLine);
}

TEST_F(DetailCopy, ATypedScaleIsUsedAndBecomesTheNextRunsDefault) {
  Run("LINE;-2,0;2,0;;");
  Run(std::string(kCopyCircle) + "5;<move 20,0>;20,0");
  ASSERT_GE(Entities().size(), 3u);
  EXPECT_NEAR(X(Entities()[2], vx::kCircleR), 5, 1e-12);
  Run("VXCUT;{press ok};all;0,0;1,0;<move 40,0>;40,0");
  const std::vector<vx::Entity> all = Entities();
  // The first run's boundary and connectors only touch the new boundary, so
  // the second detail holds the line's piece alone.
  ASSERT_EQ(all.size(), 11u);
  ExpectSegment(all[6], {35, 0, 45, 0}, "the piece at scale 5");
  EXPECT_NEAR(X(all[7], vx::kCircleR), 5, 1e-12) << "the dialog kept copy / enlarge and the scale 5";
}

TEST_F(DetailCopy, ATinyTypedScaleIsIgnored) {
  Run("LINE;-2,0;2,0;;");
  Run(std::string(kCopyCircle) + "0.00005;<move 10,0>;10,0");
  EXPECT_NEAR(X(Entities().at(2), vx::kCircleR), 3, 1e-12);
}

TEST_F(DetailCopy, WithoutDrawBoundaryOnlyTheEnlargedPiecesAreAdded) {
  Run("LINE;-2,0;2,0;;");
  Run("VXCUT;{1043; 1049=0; press ok};all;0,0;1,0;<move 10,0>;10,0");
  const std::vector<vx::Entity> added = After(Entities(), 1);
  ASSERT_EQ(added.size(), 1u);
  ExpectSegment(added[0], {7, 0, 13, 0}, "the piece alone");
}

TEST_F(DetailCopy, EscapeWhilePlacingAddsNothingAndUndoTakesBackAPlacement) {
  Run("LINE;-2,0;2,0;;CIRP;0,3;@2,0;");
  // The drawing's next tag may move on (the copy list's pieces take tags);
  // the records may not.
  const std::vector<std::uint8_t> before = Records();
  Run(std::string(kCopyCircle) + "<move 10,0>;<esc>");
  EXPECT_EQ(Records(), before);
  Run(std::string(kCopyCircle) + "<move 10,0>;10,0");
  EXPECT_NE(Records(), before);
  Run("UNDO");
  EXPECT_EQ(Records(), before);
}

TEST_F(DetailCopy, ThePreviewFollowsTheCursorWithTheBoundaryAndConnectors) {
  Run("LINE;-2,0;2,0;;");
  Run(std::string(kCopyCircle) + "<move 10,0>;<move 20,5>;<esc>");
  const std::vector<std::vector<std::uint8_t>> shown = PreviewOf(LastFrame());
  ASSERT_EQ(shown.size(), 3u) << "the piece, the enlarged boundary and the boundary in place";
  ExpectSegment(shown[0].data(), {17, 5, 23, 5}, "the piece at the cursor");
  EXPECT_EQ(OrderOf(LastFrame()).substr(0, 5), "EEELL") << "entities, then the two connectors";
}

TEST_F(DetailCopy, CtrlScalesTheDetailByVerticalMovement) {
  Run("LINE;-2,0;2,0;;");
  // A sixth of the view's height upwards doubles the scale: 3 becomes 6.
  Run(std::string(kCopyCircle) + "<move 10,0>;<hold ctrl>;<move 10,20>;<release ctrl>;<esc>");
  EXPECT_EQ(FeedbackOf(LastFrame()), "Scale 6.00");
}

}  // namespace
}  // namespace vxh::testing
