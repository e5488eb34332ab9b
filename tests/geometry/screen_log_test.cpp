#include <gtest/gtest.h>

#include <cstdint>

#include "headless/host_error.h"
#include "headless/screen/screen_log.h"
#include "host/drag_view.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "tests/session/session_fixture.h"
#include "tests/support/records.h"

namespace {

using namespace vxh::screen;

class ScreenLogTest : public vxh::testing::SessionTest {
 protected:
  ScreenState& Screen() { return RunningScreen("the test"); }
};

TEST_F(ScreenLogTest, DragCallsAreRecordedAsOneFramePerCursorHandBack) {
  double view_bytes[2] = {200, 100};
  auto* view = reinterpret_cast<vx::DragView*>(view_bytes);
  vxtest::Record line = vxtest::Line(0, 0, 1, 1);
  const double a[3] = {0, 0, 0}, b[3] = {5, 5, 0};
  const int zero = 0;
  vx::EDrawM(view, line.data());
  vx::GetGDraw2()->setting(view, &zero);
  vx::GetGDraw2()->line(view, a, b);
  vx::GetGDraw3()->line(view, a, b);
  vx::XHReqCsr3(view);
  vx::XHReqCsr(view);  // an empty second frame
  ASSERT_EQ(Screen().Frames().size(), 2u);
  const Frame& frame = Screen().Frames()[0];
  EXPECT_EQ(frame.view_width, 200);
  ASSERT_EQ(frame.primitives.size(), 4u);
  EXPECT_EQ(frame.primitives[0].kind, PrimitiveKind::kEntity);
  EXPECT_EQ(frame.primitives[0].record, line);
  EXPECT_EQ(frame.primitives[2].points, (std::vector<double>{0, 0, 5, 5}));
  EXPECT_EQ(frame.primitives[3].points, (std::vector<double>{0, 0, 0, 5, 5, 0}));
  EXPECT_TRUE(Screen().Frames()[1].primitives.empty());
}

TEST_F(ScreenLogTest, CountersAndTheWindowRecord) {
  vxtest::Record line = vxtest::Line(0, 0, 1, 1);
  vx::EDraw(0, line.data());
  vx::EDraw(0, line.data());
  vx::EErase(0, line.data());
  vx::ShowChanges();
  EXPECT_EQ(Screen().ScreenCounts().draws, 2);
  EXPECT_EQ(Screen().ScreenCounts().erases, 1);
  EXPECT_EQ(Screen().ScreenCounts().show_changes, 1);
  EXPECT_THROW(vx::EDraw(0, nullptr), vxh::HostFault);
  Screen().SetActiveWindow(50, 800);
  EXPECT_EQ(vx::GetF64(vx::GetADWin(), vx::kWinViewWidth), 50);
  EXPECT_EQ(vx::GetU32(vx::GetADWin(), vx::kWinPixelWidth), 800u);
}

}  // namespace
