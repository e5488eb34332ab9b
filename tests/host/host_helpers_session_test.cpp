// The helpers that call the host, run against the headless host's session.
#include <array>

#include "headless/screen/screen_log.h"
#include "host/host_api.h"
#include "host/layer_helpers.h"
#include "host/point_ops.h"
#include "host/redraw_selection.h"
#include "host/settings_layout.h"
#include "tests/drawing/drawing_fixture.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {
namespace {

using HostHelpers = SessionTest;

// The table walk and the host's own lookup must find the same record.
TEST_F(HostHelpers, HiddenLayerTestFollowsTheLayerRecordsFlags) {
  std::uint8_t* layer = vx::FindLayerID(2);
  ASSERT_NE(layer, nullptr);
  EXPECT_FALSE(vx::IsLayerHidden(2));
  vx::PutU32(layer, vx::kLayerFlags, vx::GetU32(layer, vx::kLayerFlags) | vx::kLayerHidden);
  EXPECT_TRUE(vx::IsLayerHidden(2));
  EXPECT_FALSE(vx::IsLayerHidden(1));
  EXPECT_FALSE(vx::IsLayerHidden(999)) << "a layer that does not exist is not hidden";
}

TEST_F(HostHelpers, RedrawSelectionDrawsOnlyTheSelectedEntities) {
  vx::DList* work = vx::GetWorkDL();
  const std::vector<vx::Entity> lines = AddLines(work, 3);
  work->Commit(lines[0]);
  work->Commit(lines[2]);
  work->Unmark(lines[1]);
  const screen::Counts before = screen::RunningScreen("the test").ScreenCounts();
  vx::RedrawSelection();
  EXPECT_EQ(screen::RunningScreen("the test").ScreenCounts().draws, before.draws + 2);
  EXPECT_EQ(screen::RunningScreen("the test").ScreenCounts().show_changes, before.show_changes + 1);
}

TEST_F(HostHelpers, CursorOriginTakesTheWholePoint) {
  const auto origin = [] { return static_cast<const double*>(vx::RscAdr(vx::kRscCursorOrigin)); };
  vx::SetCursorOrigin(vx::Point3{1, 2, 3});
  EXPECT_EQ((std::array{origin()[0], origin()[1], origin()[2]}), (std::array{1.0, 2.0, 3.0}));
  vx::SetCursorOrigin(vx::Point2{-4, 5});
  EXPECT_EQ(origin()[0], -4);
  EXPECT_EQ(origin()[1], 5);
}

}  // namespace
}  // namespace vxh::testing
