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

TEST_F(MouseHook, RightClickClosesTheDialogAsCancelled) {
  Run("HOOKDLG;<rclick>");
  EXPECT_EQ(Hooked().dialog_result, vx::kIdCancel);
  EXPECT_TRUE(Hooked().right_click);
  const std::vector<std::string> lines = TranscriptLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "{ Vorlix Text Case");
  EXPECT_EQ(lines[2], "= <rclick>");
  EXPECT_EQ(lines[3], "} 2");
}

TEST_F(MouseHook, OkLeavesTheFlagClear) {
  Run("HOOKDLG;{press ok}");
  EXPECT_EQ(Hooked().dialog_result, vx::kIdOk);
  EXPECT_FALSE(Hooked().right_click);
}

TEST_F(MouseHook, RightClickClosesAMessageBox) {
  Run("HOOKBOX;<rclick>");
  EXPECT_TRUE(Hooked().right_click);
  EXPECT_EQ(TranscriptLines().back(), "= <rclick>");
}

TEST_F(MouseHook, MessageBoxWithoutAClickStillCloses) {
  Run("HOOKBOX");
  EXPECT_FALSE(Hooked().right_click);
}

}  // namespace
}  // namespace vxh::testing
