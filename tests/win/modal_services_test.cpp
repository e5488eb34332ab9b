#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/host_error.h"
#include "tests/frame/hook_pack.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {
namespace {

class ModalServices : public SessionTest {
 protected:
  HookPack pack;
};

TEST_F(ModalServices, MenuItemsCountWithoutSeparators) {
  Run("MENU;<menu 2>");
  EXPECT_EQ(Hooked().dialog_result, 102);
  const std::vector<std::string> lines = TranscriptLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "? menu: Line | - | Circle");
  EXPECT_EQ(lines[2], "= <menu 2>");
}

TEST_F(ModalServices, EscapeDismissesTheMenu) {
  Run("MENU;<esc>");
  EXPECT_EQ(Hooked().dialog_result, 0);
}

TEST_F(ModalServices, MenuRefusesItemsItLacksAndOtherTokens) {
  EXPECT_NE(ErrorOf<BadInput>("MENU;<menu 3>").find("the menu has 2 items"), std::string::npos);
  EXPECT_NE(ErrorOf<BadInput>("MENU;Line").find("waits for an event"), std::string::npos);
}

TEST_F(ModalServices, FileDialogAddsTheDefaultExtension) {
  Run("OPENFN;\"pats/extra\"");
  EXPECT_EQ(Hooked().dialog_result, 1);
  EXPECT_STREQ(Hooked().text, "pats/extra.PAT");
  Run("OPENFN;acad.pat");
  EXPECT_STREQ(Hooked().text, "acad.pat");
  Run("OPENFN;<esc>");
  EXPECT_EQ(Hooked().dialog_result, 0);
  EXPECT_EQ(TranscriptLines().at(1), "? Add pattern file:");
}

}  // namespace
}  // namespace vxh::testing
