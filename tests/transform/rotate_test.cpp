#include <cmath>

#include "tests/transform/transform_fixture.h"

namespace vxh::testing {
namespace {

using Rotate = TransformTest;

struct RotateCase {
  const char* name;
  const char* script;  // after "LINE;0,0;10,0;;"
  double degrees;      // the rotation the line shows afterwards
};

void PrintTo(const RotateCase& c, std::ostream* os) { *os << c.name; }

class RotateCommit : public TransformTest, public ::testing::WithParamInterface<RotateCase> {};

TEST_P(RotateCommit, TurnsTheLineAboutTheOrigin) {
  Run(std::string("LINE;0,0;10,0;;") + GetParam().script);
  const double a = GetParam().degrees * kPackPi / 180;
  ExpectSegment(Entities().at(0), {0, 0, 10 * std::cos(a), 10 * std::sin(a)}, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RotateCommit,
    ::testing::Values(RotateCase{"RotateToACursorPoint", "VXROTATE;all;0,0;<move 5,5>;0,3", 90},
                      RotateCase{"RotateTyped90", "VXROTATE;all;0,0;90", 90},
                      RotateCase{"Rotate2ReferenceUpCursorRight", "VXROTATE2;all;0,0;0,10;<move 7,0>;7,0", -90},
                      RotateCase{"Rotate2Typed90TurnsTheReferenceTo90", "VXROTATE2;all;0,0;10,10;90", 45},
                      RotateCase{"Rotate2TypedAngleOfTheReferenceLeavesItAlone", "VXROTATE2;all;0,0;0,10;90", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Rotate, ShiftAtTheClickSnapsTheCommittedAngleAsThePreviewDid) {
  Run("LINE;0,0;10,0;;VXROTATE;all;0,0;<hold shift>;<move 10,3.4>;10,3.4;<release all>");
  EXPECT_EQ(FeedbackOf(LastFrame()), "Angle: 15.0");
  const double a = static_cast<double>(0.2617994f);
  ExpectSegment(Entities().at(0), {0, 0, 10 * std::cos(a), 10 * std::sin(a)}, "snapped to 15");
}

TEST_F(Rotate, DragDrawsPreviewSettingRubberLineFeedbackAndCursor) {
  Run("LINE;0,0;10,0;;VXROTATE;all;2,3;<move 2,13>;<esc>");
  EXPECT_EQ(OrderOf(LastFrame()), "ESLT");
  EXPECT_EQ(FeedbackOf(LastFrame()), "Angle: 90.0");
  const screen::Primitive& rubber = LastFrame().primitives.at(2);
  EXPECT_FALSE(rubber.three_d);
  EXPECT_EQ(rubber.points, (std::vector<double>{2, 3, 2, 13}));
}

TEST_F(Rotate, ACursorAtTheSameSnappedPointIsNotRecomputed) {
  Run("SNAP;1;LINE;0,0;10,0;;VXROTATE;all;0,0;<move 1.8,10.2>;<hold shift>;<move 2.2,9.9>;<move 3,10>;<esc>");
  ASSERT_EQ(Frames().size(), 3u);
  EXPECT_EQ(FeedbackOf(FrameAt(0)), "Angle: 78.7");
  EXPECT_EQ(FeedbackOf(FrameAt(1)), "Angle: 78.7") << "same snapped point: SHIFT not even read";
  EXPECT_EQ(FeedbackOf(FrameAt(2)), "Angle: 75.0");
}

TEST_F(Rotate, CancelWhileRotatingShowsTheSourcesAgainUnchanged) {
  Run("LINE;0,0;10,0;;VXROTATE2;all;0,0;1,0;<move 0,5>;<esc>");
  ExpectSegment(Entities().at(0), {0, 0, 10, 0}, "unchanged");
  Run("VXROTATE;all;<esc>");
  EXPECT_EQ(Entities().size(), 1u);
}

}  // namespace
}  // namespace vxh::testing
