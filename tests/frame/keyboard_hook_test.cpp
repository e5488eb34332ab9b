#include "frame/keyboard_hook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/modifier_keys.h"
#include "frame/pack_state.h"
#include "headless/win/key_names.h"
#include "headless/win/message_queue.h"
#include "headless/win/windows_state.h"
#include "tests/frame/hook_pack.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {
namespace {

struct KeyCase {
  const char* name;
  const char* command;  // STRICT or LETTERS
  const char* keys;     // events after the prompt
  int status;
  int last_key;
  const char* text;  // the answer typed; null: not checked
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class HookedPrompt : public SessionTest, public ::testing::WithParamInterface<KeyCase> {
 protected:
  HookPack pack;
};

TEST_P(HookedPrompt, KeyEndsPromptAsWindowsWould) {
  const KeyCase& c = GetParam();
  Run(std::string(c.command) + ";" + c.keys);
  EXPECT_EQ(Hooked().status, c.status);
  EXPECT_EQ(Hooked().last_key, c.last_key);
  if (c.text != nullptr) {
    EXPECT_STREQ(Hooked().text, c.text);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HookedPrompt,
    ::testing::Values(KeyCase{"StrictLetterCancelsAndIsRemembered", "STRICT", "<key h>", 1, 'H', nullptr},
                      KeyCase{"StrictUpperLetterToo", "STRICT", "<key H>", 1, 'H', nullptr},
                      KeyCase{"LettersPassTypesTheLetter", "LETTERS", "<key h>;<esc>", 1, 0, nullptr},
                      KeyCase{"CommandKeyInLettersPass", "LETTERS", "<key TAB>", 1, VK_TAB, nullptr},
                      KeyCase{"ArrowKey", "STRICT", "<key left>", 1, VK_LEFT, nullptr},
                      KeyCase{"KeypadPlus", "LETTERS", "<key ADD>", 1, VK_ADD, nullptr},
                      KeyCase{"OtherLetterIsTyped", "STRICT", "<key x>;<esc>", 1, 0, nullptr},
                      KeyCase{"BangAcceptsInStrict", "STRICT", "<key !>", 2, '!', nullptr},
                      KeyCase{"BangAcceptsInLettersPass", "LETTERS", "<key !>", 2, '!', nullptr},
                      KeyCase{"PlainEscapeLeavesNoKey", "STRICT", "<esc>", 1, 0, nullptr},
                      KeyCase{"EscapeKeyByName", "LETTERS", "<key ESCAPE>", 1, 0, nullptr},
                      KeyCase{"LettersPassLettersBecomeTheAnswer", "LETTERS", "<key h>;<key i>;<enter>", 0, 0, "hi"},
                      // The Enter that "!" stands for answers with what was typed before it.
                      KeyCase{"BangIsNotTypedIntoTheAnswer", "LETTERS", "<key a>;<key !>", 0, '!', "a"}),
    [](const auto& info) { return std::string(info.param.name); });

class HookFixture : public SessionTest {
 protected:
  HookPack pack;
};

TEST_F(HookFixture, TranscriptShowsTheKeyThatEndedThePrompt) {
  Run("STRICT;<key TAB>");
  const std::vector<std::string> lines = TranscriptLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2], "= <key TAB>");
}

TEST_F(HookFixture, KeyUpNeverChangesTheLastKey) {
  vx::InstallKeyboardHook(vx::KeyHookMode::kStrict);
  vx::KeyboardHookProc(HC_ACTION, VK_TAB, win::KeyData(VK_TAB, true));
  EXPECT_EQ(vx::LastKey(), 0);
  EXPECT_FALSE(win::TakePostedMessage(win::RunningWindows("the test")).has_value());
  vx::KeyboardHookProc(HC_ACTION, VK_TAB, win::KeyData(VK_TAB, false));
  EXPECT_EQ(vx::LastKey(), VK_TAB);
  const std::optional<win::PostedMessage> posted = win::TakePostedMessage(win::RunningWindows("the test"));
  ASSERT_TRUE(posted.has_value());
  EXPECT_EQ(posted->message, WM_KEYDOWN);
  EXPECT_EQ(posted->wparam, static_cast<WPARAM>(VK_ESCAPE));
  EXPECT_EQ(posted->window, GetFocus());
  vx::RemoveKeyboardHook();
}

TEST_F(HookFixture, InstallingAgainClearsTheLastKey) {
  Run("STRICT;<key DELETE>");
  EXPECT_EQ(vx::LastKey(), VK_DELETE);  // kept after removal
  vx::InstallKeyboardHook(vx::KeyHookMode::kLettersPass);
  EXPECT_EQ(vx::LastKey(), 0);
  EXPECT_EQ(vx::Pack().hooks.letters_pass, 1);
  vx::RemoveKeyboardHook();
}

TEST_F(HookFixture, RemovingWhatIsNotInstalledDoesNothing) {
  vx::RemoveKeyboardHook();
  vx::RemoveMouseHook();
  EXPECT_EQ(vx::Pack().hooks.keyboard, nullptr);
  EXPECT_EQ(vx::Pack().hooks.mouse, nullptr);
}

// An older hook of another program still sees every event, down and up.
int g_seen = 0;
LRESULT CALLBACK Observer(int, WPARAM, LPARAM) {
  ++g_seen;
  return 0;
}

TEST_F(HookFixture, EveryEventIsPassedOn) {
  g_seen = 0;
  HHOOK observer = SetWindowsHookExA(WH_KEYBOARD, Observer, nullptr, GetCurrentThreadId());
  Run("STRICT;<key h>");
  EXPECT_EQ(Hooked().last_key, 'H');
  EXPECT_EQ(g_seen, 2);  // the key went down and up
  UnhookWindowsHookEx(observer);
}

struct StateCase {
  short state;
  bool held;
};

TEST(ModifierKeys, OnlyAStateAboveOneCounts) {
  const StateCase cases[] = {
      {0, false}, {1, false}, {2, true}, {static_cast<short>(0x8000), true}, {static_cast<short>(0x8001), true},
      {-1, true}};
  for (const StateCase& c : cases) EXPECT_EQ(vx::KeyStateMeansHeld(c.state), c.held) << c.state;
}

}  // namespace
}  // namespace vxh::testing
