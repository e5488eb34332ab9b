#include "headless/script/lexer.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "headless/host_error.h"

namespace vxh::script {
namespace {

// Tokens written compactly: text as is ("" quoted shown as ""), Enter as
// <ENTER>, events as <...>, dialogs as {...}.
std::vector<std::string> Show(const std::string& text) {
  std::vector<std::string> shown;
  for (const Token& t : LexScript(text, "t.vxs")) {
    switch (t.kind) {
      case TokenKind::kEnter: shown.push_back("<ENTER>"); break;
      case TokenKind::kEvent: shown.push_back("<" + t.body + ">"); break;
      case TokenKind::kDialog: shown.push_back("{" + t.body + "}"); break;
      case TokenKind::kText: shown.push_back(t.PlainText().empty() ? "\"\"" : t.PlainText()); break;
    }
  }
  return shown;
}

struct LexCase {
  const char* name;
  const char* text;
  std::vector<std::string> tokens;
};

TEST(Lexer, Tokens) {
  const LexCase cases[] = {
      {"SemicolonEndsAToken", "LINE;", {"LINE"}},
      {"PackScriptEndsWithTwoEnters", "RPOLY;4;5,5;;;", {"RPOLY", "4", "5,5", "<ENTER>", "<ENTER>"}},
      {"LineEndEndsAToken", "LINE\n0,0\n", {"LINE", "0,0"}},
      {"BlankLinesAreNotEnter", "LINE\n\n\n0,0\n", {"LINE", "0,0"}},
      {"CommentLinesAreNotEnter", "# a comment\nLINE # start\n", {"LINE"}},
      {"SemicolonAtLineStartIsEnter", "LINE\n;\n", {"LINE", "<ENTER>"}},
      {"BlanksAroundTokensDrop", "  LINE ;\t0,0  \r\n", {"LINE", "0,0"}},
      {"BlankOnlyTokenBeforeSemicolonIsEnter", "LINE; ;", {"LINE", "<ENTER>"}},
      {"HashInsideAWordStays", "a#b;", {"a#b"}},
      {"HashAfterBlankIsAComment", "TEXT;0,0;Item #3\n", {"TEXT", "0,0", "Item"}},
      {"QuotedSemicolonAndHash", "\"a;b # c\";", {"a;b # c"}},
      {"QuotedEscapes", R"("say \"hi\" \\ bye")", {R"(say "hi" \ bye)"}},
      {"OtherBackslashesStay", R"("C:\dir")", {R"(C:\dir)"}},
      {"EmptyQuotesAreAnEmptyText", "\"\";", {"\"\""}},
      {"QuotedPartsJoin", "layer \"my;layer\"", {"layer my;layer"}},
      {"QuotedBlanksAtTheEndStay", "\"a \"  ", {"a "}},
      {"EventIsOneToken", "<move 1, 2>;<esc>", {"<move 1, 2>", "<esc>"}},
      {"EventThenLineEnd", "<esc>\n0,0", {"<esc>", "0,0"}},
      {"SemicolonAfterEventIsNotEnter", "<enter>;;", {"<enter>", "<ENTER>"}},
      {"DialogKeepsSemicolonsAndQuotes", "{1059=2.5; 1041=\"a}b\"; press 1};", {"{1059=2.5; 1041=\"a}b\"; press 1}"}},
      {"DialogSpansLines", "{1=2;\n ok}\nX", {"{1=2;\n ok}", "X"}},
      {"NoSeparatorAtTheEnd", "A;B", {"A", "B"}},
      {"EmptyScript", "", {}}};
  for (const LexCase& c : cases) EXPECT_EQ(Show(c.text), c.tokens) << c.name;
}

TEST(Lexer, PositionsAreLineAndColumnOfTheFirstCharacter) {
  const std::vector<Token> tokens = LexScript("LINE;\n  0,0 ;;\n", "a.vxs");
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(Where(tokens[0].pos), "a.vxs:1:1");
  EXPECT_EQ(Where(tokens[1].pos), "a.vxs:2:3");
  EXPECT_EQ(Where(tokens[2].pos), "a.vxs:2:8") << "an Enter sits at its ';'";
}

TEST(Lexer, QuotedSegmentsAreMarkedSoVariablesStayOut) {
  const std::vector<Token> tokens = LexScript("a\"$b\"c", "t");
  ASSERT_EQ(tokens.size(), 1u);
  ASSERT_EQ(tokens[0].segments.size(), 3u);
  EXPECT_FALSE(tokens[0].segments[0].quoted);
  EXPECT_TRUE(tokens[0].segments[1].quoted);
  EXPECT_TRUE(tokens[0].AnyQuoted());
}

struct ErrorCase {
  const char* text;
  const char* message_start;
};

TEST(Lexer, ErrorsNameThePlace) {
  const ErrorCase cases[] = {{"LINE;\n  \"abc", "bad.vxs:2:3: unterminated quote"},
                             {"\"abc\ndef\"", "bad.vxs:1:1: unterminated quote"},
                             {"X;\n{1=2;\n ok", "bad.vxs:2:1: unterminated dialog answer"},
                             {"{1=\"}", "bad.vxs:1:4: unterminated quote"},
                             {"<move 1,2\n>", "bad.vxs:1:1: unterminated event"},
                             {"<esc> x", "bad.vxs:1:7: unexpected text after '>'"},
                             {"{ok}x", "bad.vxs:1:5: unexpected text after '}'"}};
  for (const ErrorCase& c : cases) {
    try {
      LexScript(c.text, "bad.vxs");
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const BadInput& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.message_start, 0), 0u) << e.what();
    }
  }
}

TEST(Lexer, EndOfIsJustAfterTheLastCharacter) {
  EXPECT_EQ(Where(EndOf("ab\ncd", "f")), "f:2:3");
  EXPECT_EQ(Where(EndOf("ab\n", "f")), "f:2:1");
}

}  // namespace
}  // namespace vxh::script
