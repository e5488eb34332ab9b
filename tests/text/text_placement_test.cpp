// VXTEXT and its kin driven by scripts: typing, placing, typed heights, keys
// and the surround entities.
#include <cmath>

#include "host/host_api.h"
#include "host/settings_layout.h"
#include "tests/text/text_fixture.h"

namespace vxh::testing {
namespace {

class TextPlacement : public TextTest {
 protected:
  std::vector<vx::Entity> OfKind(int kind) {
    std::vector<vx::Entity> out;
    for (vx::Entity e : Entities())
      if (KindOf(e) == kind) out.push_back(e);
    return out;
  }
  static float Height(vx::Entity t) { return vx::GetF32(t, vx::kTextSpec + vx::kSpecHeight); }
};

TEST_F(TextPlacement, EnterAtThePromptEndsAndTheDialogOffersTheLastTextAgain) {
  Run("VXTEXT;{1000=First; press ok};0,0;;VXTEXT;{press ok};5,5;<esc>");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"First", "First"}));
}

TEST_F(TextPlacement, TypedNumbersSetTheHeightWhateverTheirSign) {
  Run("VXTEXT;{1000=A; press ok};2.5;0,0;-4;1,1;<esc>");
  const std::vector<vx::Entity> texts = OfKind(vx::kKindText);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_FLOAT_EQ(Height(texts[0]), 2.5f);
  EXPECT_FLOAT_EQ(Height(texts[1]), 4.0f);
}

TEST_F(TextPlacement, CancelledOrEmptyDialogPlacesNothing) {
  Run("VXTEXT;{1000=A; press cancel};VXTEXT;{1000=\"\"; press ok}");
  EXPECT_TRUE(Entities().empty());
}

TEST_F(TextPlacement, ShiftDragSnapsTheAngleAndCtrlShiftLeavesItFree) {
  Run("VXTEXT;{1000=A; press ok};<move 0,0>;<hold shift>;<move 10,1>;<release all>;0,0;"
      "<hold shift>;<hold ctrl>;<move 20,2>;<release all>;0,0;<esc>");
  const std::vector<vx::Entity> texts = OfKind(vx::kKindText);
  ASSERT_EQ(texts.size(), 2u);
  const float a0 = vx::GetF32(texts[0], vx::kTextSpec + vx::kSpecAngle);
  const float a1 = vx::GetF32(texts[1], vx::kTextSpec + vx::kSpecAngle);
  EXPECT_FLOAT_EQ(a0, 0.0f);  // 5.7 degrees rounds to 0
  EXPECT_NEAR(a1, std::atan2(1.0, 10.0), 1e-6);
}

TEST_F(TextPlacement, CircleGoesThroughTheCornersOfTheWidenedExtents) {
  Run("VXTEXTC;{1000=Ring; press ok};3;10,10;<esc>");
  const std::vector<vx::Entity> texts = OfKind(vx::kKindText), circles = OfKind(vx::kKindCircle);
  ASSERT_EQ(texts.size(), 1u);
  ASSERT_EQ(circles.size(), 1u);
  double min[2], max[2];
  vx::XCheckGText2(texts[0], min, max);
  const double m = 1.0;  // a third of the height 3
  const double cx = vx::GetF64(circles[0], vx::kCircleX), cy = vx::GetF64(circles[0], vx::kCircleY);
  EXPECT_NEAR(cx, (min[0] + max[0]) / 2, 1e-9);
  EXPECT_NEAR(cy, (min[1] + max[1]) / 2, 1e-9);
  EXPECT_NEAR(vx::GetF64(circles[0], vx::kCircleR), std::hypot(cx - (min[0] - m), cy - (min[1] - m)), 1e-9);
}

}  // namespace
}  // namespace vxh::testing
