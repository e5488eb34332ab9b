// VXTEXTML and VXTEDIT driven by scripts: line breaks typed in the multi-line
// box, editing, moving and copying picked texts, what is offered, undo.
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/text/text_fixture.h"

namespace vxh::testing {
namespace {

using TextEdit = TextTest;

TEST_F(TextEdit, EnterInTheMultiLineBoxPlacesOneTextWithCrLfAndReopensThere) {
  Run(R"(VXTEXTML;{1001="Line 1\nLine 2"; press ok};5,5;<esc>)");
  ASSERT_EQ(Entities().size(), 1u);
  EXPECT_EQ(Strings(), (std::vector<std::string>{"Line 1\r\nLine 2"}));
  EXPECT_EQ(vx::GetU32(Entities()[0], vx::kHdrSize), vx::TextSize(14));
  Run(R"(VXTEXT;{1007=0; press cancel};VXTEDIT;5,5;{1001="A\nB\nC"; press ok};<esc>)");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"A\r\nB\r\nC"}));
}

TEST_F(TextEdit, AReopenedTextWithLineBreaksHasTheSingleLineBoxHidden) {
  AddText(0, 0, "A\r\nB");
  const std::string error = ErrorOf<BadInput>("VXTEDIT;0,0;{1000=X; press ok}");
  EXPECT_NE(error.find("1000"), std::string::npos) << error;
}

TEST_F(TextEdit, TheLoopTakesTheNearestTextEachTimeUntilEscape) {
  AddText(0, 0, "Left");
  AddText(100, 0, "Right");
  Run("VXTEDIT;98,1;{1000=R2; press ok};1,1;{1000=L2; press ok};50,50;{press cancel};<esc>");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"L2", "R2"}));
}

TEST_F(TextEdit, NewPositionMovesTheTextAndEnterKeepsItsOrigin) {
  AddText(10, 20, "Moved");
  AddText(50, 50, "Kept");
  Run("VXTEDIT;10,20;{press 1009};70,80");
  Run("VXTEDIT;50,50;{1000=Kept2; press 1009};;");
  const auto texts = Entities();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(Strings(), (std::vector<std::string>{"Moved", "Kept2"}));
  EXPECT_EQ(X(texts[0], vx::kTextX), 70.0);
  EXPECT_EQ(X(texts[0], vx::kTextY), 80.0);
  EXPECT_EQ(X(texts[1], vx::kTextX), 50.0);
  EXPECT_EQ(X(texts[1], vx::kTextY), 50.0);
  Run("UNDO;UNDO");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"Moved", "Kept"}));
  EXPECT_EQ(X(Entities()[0], vx::kTextX), 10.0);
}

TEST_F(TextEdit, TextsInGroupsAreOfferedAndTextsInSymbolsAreNot) {
  AddText(AddSymbol(Work(), Placement(0, 0, 0)), 0, 0, "InSymbol");
  AddText(AddGroup(Work()), 100, 0, "InGroup");
  Run("VXTEDIT;1,0;{1000=Edited; press ok};<esc>");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"InSymbol", "Edited"}));
}

TEST_F(TextEdit, DebugMessagesNameWhatTheDialogReturned) {
  AddText(0, 0, "T");
  const struct {
    const char* answer;
    const char* message;
  } cases[] = {
      {"{press cancel}", "03: MyTextEdit was cancelled"},
      {"{press 1010};<esc>", "03: MyTextEdit returned copy button"},
  };
  for (const auto& c : cases) {
    Run(std::string("VXTEDITDBG;0,0;") + c.answer + ";<esc>;<esc>");
    EXPECT_EQ(LinesWith(c.message), 1) << c.answer;
  }
}

}  // namespace
}  // namespace vxh::testing
