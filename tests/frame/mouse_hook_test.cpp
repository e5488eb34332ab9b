#include "frame/mouse_hook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/frame/hook_pack.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {
namespace {

class MouseHook : public SessionTest {
 protected:
  HookPack pack;
};

TEST_F(MouseHook, RightClickClosesTheDialogAsCancelledAndOkLeavesTheFlagClear) {
  Run("HOOKDLG;<rclick>");
  EXPECT_EQ(Hooked().dialog_result, vx::kIdCancel);
  EXPECT_TRUE(Hooked().right_click);
  const std::vector<std::string> expected{"> HOOKDLG", "{ Vorlix Text Case", "= <rclick>", "} 2"};
  EXPECT_EQ(TranscriptLines(), expected);
  Run("HOOKDLG;{press ok}");
  EXPECT_EQ(Hooked().dialog_result, vx::kIdOk);
  EXPECT_FALSE(Hooked().right_click);
}

TEST_F(MouseHook, RightClickClosesAMessageBoxWhichAlsoClosesWithoutOne) {
  Run("HOOKBOX;<rclick>");
  EXPECT_TRUE(Hooked().right_click);
  EXPECT_EQ(TranscriptLines().back(), "= <rclick>");
  Run("HOOKBOX");
  EXPECT_FALSE(Hooked().right_click);
}

}  // namespace
}  // namespace vxh::testing
