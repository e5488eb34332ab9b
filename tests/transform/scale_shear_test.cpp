#include <cmath>
#include <cstdio>

#include "tests/transform/transform_fixture.h"

namespace vxh::testing {
namespace {

using ScaleShear = TransformTest;

TEST_F(ScaleShear, UpByASixthOfTheViewDoublesAllFactors) {
  Run("LINE;0,0;10,0;;VXSCALE;all;0,0;<move 5,5>;<move 5,25>;1,1");
  EXPECT_EQ(FeedbackOf(LastFrame()), "Scale 2.00");
  EXPECT_EQ(OrderOf(LastFrame()), "ELT");
  ExpectSegment(Entities().at(0), {0, 0, 20, 0}, "the given point only ends the drag");
}

TEST_F(ScaleShear, CtrlScalesXByHorizontalAndYByVerticalMovement) {
  Run("LINE;0,0;10,10;;VXSCALE;all;0,0;<move 5,5>;<hold ctrl>;<move 5,25>;<move 62.142857142857146,25>;0,0;"
      "<release all>");
  EXPECT_EQ(FeedbackOf(FrameAt(1)), "X: 1.00 Y: 2.00");
  EXPECT_EQ(FeedbackOf(FrameAt(2)), "X: 3.00 Y: 2.00") << "4.2 x 57.14 / 120 = 2";
  ExpectSegment(Entities().at(0), {0, 0, 30, 20}, "independent factors");
}

TEST_F(ScaleShear, AReferenceDistanceMakesOutwardStepsRelativeToIt) {
  Run("LINE;0,0;10,0;;VXSCALE;all;0,0;<move 10,0>;<hold shift>;<move 0,10>;<release all>;<move 15,0>;"
      "<move 20,0>;1,1");
  EXPECT_EQ(FeedbackOf(FrameAt(2)), "Scale 1.50");
  EXPECT_EQ(OrderOf(FrameAt(2)), "ELLT") << "the reference line is drawn too";
  ExpectSegment(Entities().at(0), {0, 0, 22.5, 0}, "1.5 x (1 + 5/10)");
}

TEST_F(ScaleShear, ShiftOnTheOriginSetsASmallReferenceNeverZero) {
  Run("LINE;0,0;10,0;;VXSCALE;all;0,0;<move 1,0>;<hold shift>;<move 0,0>;<release all>;<move 0.01,0>;<esc>");
  EXPECT_EQ(FeedbackOf(LastFrame()), "Scale 2.00");
  ExpectSegment(Entities().at(0), {0, 0, 10, 0}, "cancelled");
}

struct TypedScale {
  const char* name;
  const char* typed;
  Segment expected;
};

void PrintTo(const TypedScale& c, std::ostream* os) { *os << c.name; }

class ScaleTyped : public TransformTest, public ::testing::WithParamInterface<TypedScale> {};

TEST_P(ScaleTyped, ScalesUniformlyAboutTheOrigin) {
  Run(std::string("LINE;2,2;12,2;;VXSCALE;all;2,2;") + GetParam().typed);
  ExpectSegment(Entities().at(0), GetParam().expected, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Factors, ScaleTyped,
                         ::testing::Values(TypedScale{"Half", "0.5", {2, 2, 7, 2}},
                                           TypedScale{"ZeroCollapsesOntoTheOrigin", "0", {2, 2, 2, 2}},
                                           TypedScale{"NegativeMirrors", "-1", {2, 2, -8, 2}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScaleShear, ShearCarriesTheAxisPerpendicularOntoTheCursor) {
  Run("LINE;10,0;10,5;;LINE;0,0;10,0;;VXSHEAR;all;0,0;10,0;<move 13,5>;13,5");
  EXPECT_EQ(OrderOf(LastFrame()), "EESLL");
  ExpectSegment(PreviewOf(LastFrame()).at(0).data(), {10, 0, 13, 5}, "k = 0.6");
  ExpectSegment(Entities().at(0), {10, 0, 13, 5}, "k = 0.6");
  ExpectSegment(Entities().at(1), {0, 0, 10, 0}, "the axis stays");
}

std::string PointText(double x, double y) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g,%.17g", x, y);
  return text;
}

TEST_F(ScaleShear, ShearAlongATiltedAxisCarriesThePerpendicularPointOntoTheCursor) {
  // Axis (0,0) -> (10,10); in the axis frame the cursor is (3,5), so the point
  // (0,5) of that frame lands on it and the axis stays.
  const double r = std::sqrt(0.5);
  const double px = 10 + (3 - 5) * r, py = 10 + (3 + 5) * r;
  const double qx = 10 - 5 * r, qy = 10 + 5 * r;
  Run("LINE;0,0;" + PointText(qx, qy) + ";;LINE;2,2;7,7;;VXSHEAR;all;0,0;10,10;" + PointText(px, py));
  ExpectSegment(Entities().at(0), {0, 0, px, py}, "perpendicular point onto the cursor");
  ExpectSegment(Entities().at(1), {2, 2, 7, 7}, "on the axis");
}

TEST_F(ScaleShear, ShearWithTheCursorOnTheAxisChangesNothingAndACancelRestores) {
  Run("LINE;10,0;10,5;;VXSHEAR;all;0,0;10,0;20,0");
  ExpectSegment(Entities().at(0), {10, 0, 10, 5}, "k = 0");
  Run("VXSHEAR;all;0,0;10,0;<move 13,5>;<esc>");
  ExpectSegment(Entities().at(0), {10, 0, 10, 5}, "restored");
  EXPECT_EQ(Entities().size(), 1u);
}

}  // namespace
}  // namespace vxh::testing

namespace vxh::testing {
namespace {

struct ConicDrag {
  const char* name;
  const char* drag;  // a drag that stretches, then the click
};

void PrintTo(const ConicDrag& c, std::ostream* os) { *os << c.name; }

class StretchedCircle : public TransformTest, public ::testing::WithParamInterface<ConicDrag> {};

// Regression: the preview freed the copy it had made, but a circle sheared or
// stretched comes back from ETran as a new ellipse record in the copy's
// place, so the command stopped with a host fault at the first move.
TEST_P(StretchedCircle, ThePreviewAndTheDrawingGetAnEllipse) {
  Run(std::string("CIRP;0,5;2,5;<esc>;") + GetParam().drag);
  const std::vector<vx::Entity> all = Entities();
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(vx::GetI8(all[0], vx::kHdrKind), vx::kKindEllipse);
  EXPECT_FALSE(PreviewOf(LastFrame()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Drags, StretchedCircle,
    ::testing::Values(ConicDrag{"Shear", "VXSHEAR;all;0,0;10,0;<move 3,5>;<move 4,6>;4,6"},
                      ConicDrag{"ScaleWithCtrl",
                                "VXSCALE;all;0,0;<hold ctrl>;<move 20,1>;<move 30,2>;30,2;<release all>"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vxh::testing
