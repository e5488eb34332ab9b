// The placement drag through VXMOVE: modifier keys, relative scaling, the
// skip of an unmoved cursor, typed scales and the drawing order.
#include <cmath>

#include "tests/transform/transform_fixture.h"

namespace vxh::testing {
namespace {

using PlacementDrag = TransformTest;

// A line from the origin, VXMOVE started on it with the from point 0,0.
constexpr char kStartMove[] = "LINE;0,0;10,0;;VXMOVE;all;0,0;";
const double kRightAngle = 6 * static_cast<double>(0.2617994f);

TEST_F(PlacementDrag, AnUnmovedCursorReusesTheMatrixAndTakesNoSecondScaleStep) {
  Run(std::string(kStartMove) + "<move 0,0>;<hold ctrl>;<move 0,20>;<move 0,20>;<move 0,20>;<move 0,0>;<esc>");
  ASSERT_EQ(Frames().size(), 5u);
  EXPECT_EQ(FeedbackOf(FrameAt(1)), "Scale 2.00");
  EXPECT_EQ(FeedbackOf(FrameAt(2)), "Scale 2.00");
  EXPECT_EQ(FeedbackOf(FrameAt(3)), "Scale 2.00");
  EXPECT_EQ(PreviewOf(FrameAt(3)), PreviewOf(FrameAt(1)));
  EXPECT_EQ(FeedbackOf(FrameAt(4)), "Scale 1.00") << "back down by the same halves it";
}

TEST_F(PlacementDrag, ScaledPreviewIsAboutTheFromPoint) {
  Run(std::string(kStartMove) + "<move 0,0>;<hold ctrl>;<move 0,20>;<esc>");
  const auto preview = PreviewOf(LastFrame());
  ASSERT_EQ(preview.size(), 1u);
  ExpectSegment(preview[0].data(), {0, 0, 20, 0}, "scaled by 2 about F placed at B = F");
}

struct ModifierCase {
  const char* name;
  const char* keys;
  double y;  // the cursor moves from B = (10,0) to (20,y)
  const char* feedback;
};

void PrintTo(const ModifierCase& c, std::ostream* os) { *os << c.name; }

class Modifiers : public TransformTest, public ::testing::WithParamInterface<ModifierCase> {};

TEST_P(Modifiers, DecideBetweenSnapFreeRotationAndScaling) {
  Run(std::string(kStartMove) + "<move 10,0>;" + GetParam().keys + "<move 20," + std::to_string(GetParam().y) +
      ">;<esc>");
  EXPECT_EQ(FeedbackOf(LastFrame()), GetParam().feedback);
}

// 1.3 up over 10 is 7.4 degrees, 1.335 up is 7.6 degrees.
INSTANTIATE_TEST_SUITE_P(
    Keys, Modifiers,
    ::testing::Values(ModifierCase{"ShiftSnapsDown", "<hold shift>;", 1.3, "Angle: 0.0"},
                      ModifierCase{"ShiftSnapsUp", "<hold shift>;", 1.335, "Angle: 15.0"},
                      ModifierCase{"ShiftAndCtrlRotateFreely", "<hold shift>;<hold ctrl>;", 1.3, "Angle: 7.4"},
                      ModifierCase{"ShiftSnapsBelowTheAxisToo", "<hold shift>;", -1.76, "Angle: 345.0"},
                      ModifierCase{"CtrlAloneScales", "<hold ctrl>;", 20, "Scale 2.00"},
                      ModifierCase{"NoModifierShowsNoText", "", 20, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlacementDrag, ShiftRotatesAboutThePlacedPointWithTheRubberLineFromIt) {
  Run(std::string(kStartMove) + "<move 5,5>;<hold shift>;<move 5,15>;<esc>");
  const auto preview = PreviewOf(LastFrame());
  ASSERT_EQ(preview.size(), 1u);
  ExpectSegment(preview[0].data(), {5, 5, 5 + 10 * std::cos(kRightAngle), 5 + 10 * std::sin(kRightAngle)},
                "turned 90 at B");
  const screen::Primitive& rubber = LastFrame().primitives.at(1);
  ASSERT_EQ(rubber.kind, screen::PrimitiveKind::kLine);
  EXPECT_TRUE(rubber.three_d);
  EXPECT_EQ(rubber.points, (std::vector<double>{5, 5, 0, 5, 15, 0}));
}

TEST_F(PlacementDrag, CtrlNeverScalesWhileShiftIsHeld) {
  Run(std::string(kStartMove) + "<move 10,0>;<hold shift>;<hold ctrl>;<move 10,20>;<release shift>;<move 10,40>;<esc>");
  EXPECT_EQ(FeedbackOf(LastFrame()), "Scale 2.00") << "one step from the last computation, none before";
}

TEST_F(PlacementDrag, ReleasingTheKeysFollowsTheCursorKeepingAngleAndScale) {
  Run(std::string(kStartMove) +
      "<move 0,0>;<hold ctrl>;<move 0,20>;<release all>;<hold shift>;<move 0,30>;<release all>;<move 40,40>;<esc>");
  const auto preview = PreviewOf(LastFrame());
  ASSERT_EQ(preview.size(), 1u);
  ExpectSegment(preview[0].data(), {40, 40, 40 + 20 * std::cos(kRightAngle), 40 + 20 * std::sin(kRightAngle)},
                "A and S kept");
  EXPECT_EQ(FeedbackOf(LastFrame()), "");
}

TEST_F(PlacementDrag, DrawsEntitiesThenRubberLineThenFeedbackThenCursor) {
  Run("LINE;0,0;10,0;;LINE;0,5;10,5;;VXMOVE;all;0,0;<move 1,1>;<hold ctrl>;<move 1,2>;<esc>");
  EXPECT_EQ(OrderOf(FrameAt(0)), "EEL");
  EXPECT_EQ(OrderOf(FrameAt(1)), "EELT");
  const screen::Primitive& rubber = FrameAt(0).primitives.at(2);
  EXPECT_EQ(rubber.points, (std::vector<double>{0, 0, 0, 1, 1, 0})) << "placing: from F to B";
}

TEST_F(PlacementDrag, WhilePlacingTheCursorIsDrawnAtTheSnappedPoint) {
  Run("SNAP;0.5;" + std::string(kStartMove) + "<move 1.3,2.2>;<hold ctrl>;<move 1.3,2.2>;<move 1.3,3.2>;<esc>");
  ASSERT_EQ(Frames().size(), 3u);
  EXPECT_EQ(FrameAt(0).cursor, (std::array<double, 3>{1.5, 2.0, 0.0}));
  ExpectSegment(PreviewOf(FrameAt(0)).at(0).data(), {1.5, 2, 11.5, 2}, "F carried to the snapped point");
  EXPECT_EQ(FrameAt(1).cursor, (std::array<double, 3>{1.5, 2.0, 0.0})) << "not moved: drawn as before";
  EXPECT_EQ(FrameAt(2).cursor, (std::array<double, 3>{1.3, 3.2, 0.0})) << "with feedback: at the cursor";
}

TEST_F(PlacementDrag, ATypedScaleShowsAtOnceAndRepeatsThePrompt) {
  Run(std::string(kStartMove) + "<move 5,5>;2;<move 5,5>;<esc>");
  ExpectSegment(PreviewOf(LastFrame()).at(0).data(), {5, 5, 25, 5}, "recomputed though the cursor stayed");
  const std::vector<std::string> lines = TranscriptLines();
  EXPECT_EQ(lines[lines.size() - 3], "= 2");
  EXPECT_EQ(lines[lines.size() - 2], "? Place at:");
}

TEST_F(PlacementDrag, ATypedZeroOrNegativeScaleChangesNothing) {
  Run(std::string(kStartMove) + "<move 5,5>;0;-3;0.0001;<move 5,5>;<esc>");
  ExpectSegment(PreviewOf(LastFrame()).at(0).data(), {5, 5, 15, 5}, "scale still 1");
  const std::vector<std::string> lines = TranscriptLines();
  EXPECT_EQ(lines[lines.size() - 3], "= 0.0001");
  EXPECT_EQ(lines[lines.size() - 2], "? Place at:");
}

TEST_F(PlacementDrag, AnEmptySelectionShowsOnlyRubberLineAndCursor) {
  Run("LINE;0,0;10,0;;VXMOVE;window 50,50 60,60;0,0;<move 5,5>;7,7");
  EXPECT_EQ(OrderOf(LastFrame()), "L");
  ExpectSegment(Entities().at(0), {0, 0, 10, 0}, "nothing moved");
}

TEST_F(PlacementDrag, TheFirstCallOfARunComputesEvenWhereThePreviousRunEnded) {
  Run(std::string(kStartMove) + "<move 5,5>;5,5;VXMOVE;all;5,5;<move 5,5>;<esc>");
  ExpectSegment(PreviewOf(LastFrame()).at(0).data(), {5, 5, 15, 5}, "this run's F, not the last run's");
}

}  // namespace
}  // namespace vxh::testing
