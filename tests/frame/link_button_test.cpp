#include "frame/link_button.h"

#include <gtest/gtest.h>

#include "headless/win/gdi_objects.h"
#include "headless/win/gdi_text.h"
#include "headless/win/windows_state.h"
#include "host/win_api.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {
namespace {

class LinkButton : public SessionTest {};

TEST_F(LinkButton, DrawLeavesTheContextAsItWas) {
  HDC dc = GetDC(nullptr);
  SetBkColor(dc, 0x123456);
  const GdiFont* font_before = SelectedFont(dc);
  DRAWITEMSTRUCT item{};
  item.hDC = dc;
  item.rcItem = RECT{10, 20, 220, 40};
  vx::LinkButtonDraw(nullptr, 1050, &item);
  EXPECT_EQ(GetBkColor(dc), 0x123456u);
  EXPECT_EQ(SelectedFont(dc), font_before);
  ASSERT_EQ(win::DrawnTexts(win::RunningWindows("the test")).size(), 1u);
  const win::DrawnText& drawn = win::DrawnTexts(win::RunningWindows("the test"))[0];
  EXPECT_EQ(drawn.text, "https://www.vorlix.test/");
  EXPECT_EQ(drawn.format, 0x1108u);
  EXPECT_EQ(drawn.background, GetSysColor(COLOR_MENU));
  EXPECT_EQ(drawn.rect.bottom, 40);
  ReleaseDC(nullptr, dc);
}

}  // namespace
}  // namespace vxh::testing
