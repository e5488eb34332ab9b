#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/dialogs/dialog_object.h"
#include "headless/host_error.h"
#include "tests/dialogs/dialog_pack.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {
namespace {

class DialogEngine : public SessionTest {
 protected:
  DialogPack pack;
};

TEST_F(DialogEngine, AnswerSetsFieldsAndPressesOk) {
  Run("SEQ;{1042=5; 1046=-2; 1049; press ok}");
  const SequenceSettings& s = Dialogs().seq;
  EXPECT_EQ(s.start, 5);
  EXPECT_EQ(s.increment, -2);
  EXPECT_EQ(s.flags, 1);
  EXPECT_EQ(Dialogs().result, vx::kIdOk);
  const std::vector<std::string> expected{"> SEQ", "{ Vorlix Text Sequence", "= {1042=5; 1046=-2; 1049; press ok}",
                                          "} 1"};
  EXPECT_EQ(TranscriptLines(), expected);
}

TEST_F(DialogEngine, ChangeHandlerRunsAfterTheFieldChangedAndEnablesControls) {
  Run("SEQ;{1063; 1038=#; 1048; 1043=4; press ok}");
  const SequenceSettings& s = Dialogs().seq;
  EXPECT_EQ(s.find_mode, 1);
  EXPECT_STREQ(s.find_text, "#");
  EXPECT_EQ(s.digits, 4);
  const std::vector<std::string> expected{"init", "change 1063 mode=1 fixed=0", "change 1048 mode=1 fixed=1"};
  EXPECT_EQ(Dialogs().calls, expected);
}

struct Refusal {
  const char* name;
  const char* answer;
  const char* message;
};

void PrintTo(const Refusal& c, std::ostream* os) { *os << c.name; }

class DialogRefusals : public DialogEngine, public ::testing::WithParamInterface<Refusal> {};

TEST_P(DialogRefusals, BadAnswerNamesTheProblem) {
  const std::string error = ErrorOf<BadInput>(std::string("SEQ;") + GetParam().answer);
  EXPECT_NE(error.find(GetParam().message), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DialogRefusals,
    ::testing::Values(
        Refusal{"DisabledByInitRoutine", "{1038=abc; press ok}", "edit 1038 of DLG_VXTSEQ is disabled"},
        Refusal{"DisabledSortInQuickPick", "{1044; press ok}", "radio button 1044 of DLG_VXTSEQ is disabled"},
        Refusal{"NotANumber", "{1042=five; press ok}", "takes a whole number, got \"five\""},
        Refusal{"TooLongText", "{1063; 1038=\"0123456789012345678901234567890123456789012345678901234567890\"}",
                "takes at most 60 characters"},
        Refusal{"UnknownEntry", "{1065=\"4th number\"}", "has no entry \"4th number\""},
        Refusal{"UnknownControl", "{9999=1}", "has no control 9999"},
        Refusal{"RadioWithValue", "{1063=1}", "name it alone"},
        Refusal{"PressAnEdit", "{press 1042}", "is not a button"},
        Refusal{"ItemAfterClosingButton", "{press ok; 1042=3}", "nothing may follow"},
        Refusal{"TextInsteadOfAnswer", "hello", "waits for its answer"},
        Refusal{"ScriptEndsFirst", "", "the script ends while the dialog \"Vorlix Text Sequence\" waits"}),
    [](const auto& info) { return std::string(info.param.name); });

// The combo is unsorted: the index is the order the init routine added in.
TEST_F(DialogEngine, ComboBoundToIndexTakesTheEntryText) {
  Run("SEQ;{1065=\"2nd last number\"; press ok}");
  EXPECT_EQ(Dialogs().seq.choice, 3);
}

TEST_F(DialogEngine, KeysAndButtonsCloseTheDialogAfterAnswersSpanningTokens) {
  Run("SEQ;<esc>");
  EXPECT_EQ(Dialogs().result, vx::kIdCancel);
  Run("SEQ;<enter>");
  EXPECT_EQ(Dialogs().result, vx::kIdOk);
  Run("SEQ;{1042=7};{press cancel}");
  EXPECT_EQ(Dialogs().seq.start, 7);  // fields follow the controls, also on Cancel
  EXPECT_EQ(Dialogs().result, vx::kIdCancel);
}

TEST_F(DialogEngine, HiddenControlsRefuseInput) {
  EXPECT_NE(ErrorOf<BadInput>("TEXT;{press 1009}").find("button 1009 of DLGTEX is hidden"), std::string::npos);
  EXPECT_NE(ErrorOf<BadInput>("TEXT;{1001=x}").find("hidden"), std::string::npos);
}

TEST_F(DialogEngine, EditTextReachesTheBoundBuffer) {
  Run("TEXT;{1000=\"Room 12; east\"; press ok}");
  EXPECT_STREQ(dialog_pack::g_text, "Room 12; east");
}

// Bindings are checked against the template when they are made.
TEST_F(DialogEngine, BindingOutsideTheTemplateIsAFault) {
  vx::Dlg* d = vx::DefDlg("DLG_VXTCASE", 0, 0, nullptr, 0, 0);
  int value = 0;
  EXPECT_THROW(vx::__RBCTL(d, 1077, &value, 0, nullptr), HostFault);
  EXPECT_THROW(vx::__EDCTL(d, 1041, &value, vx::kValInt, 15, 0), HostFault);  // a radio, not an edit
  EXPECT_THROW(vx::DefDlg("DLG_NOSUCH", 0, 0, nullptr, 0, 0), HostFault);
  vx::RelDlg(d);
  EXPECT_THROW(vx::UpdCtlA(d), HostFault);  // released
}

TEST_F(DialogEngine, SortedListsKeepTheirStringsSorted) {
  vx::Dlg* d = vx::DefDlg("DLGHATCHCMD", 0, 0, nullptr, 0, 0);
  for (const char* name : {"net", "ANSI31", "brick", "Angle"}) vx::AddLstStr(d, 1044, name);
  char text[260];
  std::vector<std::string> order;
  for (int i = 0; vx::GetLstStr(d, 1044, i, text) >= 0; ++i) order.push_back(text);
  EXPECT_EQ(order, (std::vector<std::string>{"Angle", "ANSI31", "brick", "net"}));
  EXPECT_EQ(vx::FndLstStr(d, 1044, "BRICK"), 2);
  EXPECT_EQ(vx::FndLstStr(d, 1044, "bric"), -1);
  vx::SetLstData(d, 1044, 2, 77);
  EXPECT_EQ(vx::GetLstData(d, 1044, 2), 77);
  vx::ClrLstStr(d, 1044);
  EXPECT_EQ(vx::GetLstStr(d, 1044, 0, text), -1);
  vx::RelDlg(d);
}

TEST_F(DialogEngine, ListSelectionMessagesCarryTheSelection) {
  vx::Dlg* d = vx::DefDlg("DLGHATCHCMD", 0, 0, nullptr, 0, 0);
  for (const char* name : {"a", "b", "c"}) vx::AddLstStr(d, 1043, name);
  HWND list = vx::ControlWindow(d, 1043);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 2, 0), 2);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 3, 0), LB_ERR);
  vx::RelDlg(d);
}

}  // namespace
}  // namespace vxh::testing
