// Dragging a container shows what it holds: a group's or hatch's members are
// drawn with the preview, carried by the same transform.
#include "headless/geometry/matrix.h"
#include "headless/screen/screen_log.h"
#include "tests/hatch/hatch_fixture.h"

namespace vxh::testing {
namespace {

using ContainerPreview = HatchSession;

// Regression: a previewed hatch showed its group record only, so the user
// dragged nothing visible.
TEST_F(ContainerPreview, AMovedHatchShowsItsLinesWhereTheCursorPutsThem) {
  Run("<view 0,0 120,120 1200 1200>;BOX;0,0;10,10;VXHATCHSTANDARD;all");
  const std::vector<Segment> drawn = HatchLines();
  ASSERT_FALSE(drawn.empty());
  Run("VXMOVE;last;0,0;<move 5,3>;<esc>");
  const screen::Primitive& group = screen::RunningScreen("the test").Frames().back().primitives.at(0);
  ASSERT_EQ(group.kind, screen::PrimitiveKind::kEntity);
  ASSERT_EQ(group.members.size(), drawn.size());
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    const screen::PlacedRecord& member = group.members[i];
    EXPECT_EQ(member.placement, Identity()) << "a group passes no placement on";
    const std::uint8_t* line = member.record.data();
    EXPECT_NEAR(vx::GetF64(line, vx::kLineX1), drawn[i].x1 + 5, 1e-9);
    EXPECT_NEAR(vx::GetF64(line, vx::kLineY1), drawn[i].y1 + 3, 1e-9);
    EXPECT_NEAR(vx::GetF64(line, vx::kLineX2), drawn[i].x2 + 5, 1e-9);
    EXPECT_NEAR(vx::GetF64(line, vx::kLineY2), drawn[i].y2 + 3, 1e-9);
  }
}

}  // namespace
}  // namespace vxh::testing
