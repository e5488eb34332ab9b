// Scripts are UTF-8 and their tokens code page 1252: what the lexer lets
// through, what it refuses and where it says the fault is.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "headless/host_error.h"
#include "headless/script/lexer.h"

namespace vxh::script {
namespace {

std::vector<std::string> Texts(const std::string& script, ScriptEncoding encoding = ScriptEncoding::kUtf8) {
  std::vector<std::string> out;
  for (const Token& t : LexScript(script, "s.vxs", encoding))
    out.push_back(t.kind == TokenKind::kText ? t.PlainText() : t.body);
  return out;
}

struct GoodCase {
  const char* name;
  std::string script;
  std::vector<std::string> tokens;  // code page 1252 bytes
};

TEST(ScriptEncoding, TokensAreCp1252) {
  const GoodCase cases[] = {
      {"ByteOrderMarkIsSkipped", "\xEF\xBB\xBFLINE;0,0", {"LINE", "0,0"}},
      {"UnquotedUmlauts",
       "Stra\xC3\x9F"
       "e;\xC3\x84rger",
       {"Stra\xDF"
        "e",
        "\xC4rger"}},
      {"QuotedDegreeAndPlusMinus", "\"45\xC2\xB0 \xC2\xB1 0,1\"", {"45\xB0 \xB1 0,1"}},
      {"HighControlRange",
       "\xE2\x82\xAC\xE2\x80\x9E\xE2\x80\xA6\xE2\x80\xB0\xC5\xA0\xC5\x92\xC5\xBE\xC5\xB8",
       {"\x80\x84\x85\x89\x8A\x8C\x9E\x9F"}},
      {"EventAndDialogBodies", "<key \xC3\xA4>;{1=\"\xC3\xB6\"}", {"key \xE4", "1=\"\xF6\""}},
      {"AnyCharacterInAComment", "LINE # \xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80\n0,0", {"LINE", "0,0"}}};
  for (const GoodCase& c : cases) EXPECT_EQ(Texts(c.script), c.tokens) << c.name;
}

struct BadCase {
  const char* name;
  std::string script;
  std::string message;  // the whole of it
};

TEST(ScriptEncoding, AFaultIsAnErrorAtItsPlace) {
  const std::string kNoPlace = " has no place in code page 1252, in which the drawing keeps its texts";
  const BadCase cases[] = {
      // Columns count characters: "ä" before the fault is one column.
      {"HanCharacterInAText", "TEXT\n0,0\n\xC3\xA4\xE4\xB8\xAD",
       "s.vxs:3:2: the character U+4E2D \"\xE4\xB8\xAD\"" + kNoPlace},
      {"EmojiInAQuote", "\"ok \xF0\x9F\x98\x80\"", "s.vxs:1:5: the character U+1F600 \"\xF0\x9F\x98\x80\"" + kNoPlace},
      {"ByteOrderMarkPastTheStart", "A;\xEF\xBB\xBF", "s.vxs:1:3: the character U+FEFF \"\xEF\xBB\xBF\"" + kNoPlace},
      {"C1ControlIsNotCp1252", "a\xC2\x85", "s.vxs:1:2: the character U+0085" + kNoPlace},
      {"OutsideInAnEvent", "<key \xC4\x80>", "s.vxs:1:6: the character U+0100 \"\xC4\x80\"" + kNoPlace},
      {"Cp1252BytesAreNotUtf8",
       "TEXT;0,0;Gr\xFC\xDF"
       "e",
       "s.vxs:1:12: invalid UTF-8 (bytes FC); scripts are UTF-8"},
      {"OverlongSlash", "a\xC0\xAF", "s.vxs:1:2: invalid UTF-8 (bytes C0 AF); scripts are UTF-8"},
      {"EncodedSurrogate", "x;\xED\xA0\x80", "s.vxs:1:3: invalid UTF-8 (bytes ED A0 80); scripts are UTF-8"},
      {"CutShortAtTheEnd", "ab\xE2\x82", "s.vxs:1:3: invalid UTF-8 (bytes E2 82); scripts are UTF-8"},
      {"InvalidEvenInAComment", "# \xFF\n", "s.vxs:1:3: invalid UTF-8 (bytes FF); scripts are UTF-8"}};
  for (const BadCase& c : cases) {
    try {
      LexScript(c.script, "s.vxs");
      ADD_FAILURE() << c.name << ": no error";
    } catch (const BadInput& e) {
      EXPECT_EQ(std::string(e.what()), c.message) << c.name;
    }
  }
}

TEST(ScriptEncoding, PackScriptsAreCp1252AlreadyAndPassThrough) {
  EXPECT_EQ(Texts("SYMBOL;T\xFC"
                  "r;\x80",
                  ScriptEncoding::kCp1252),
            (std::vector<std::string>{"SYMBOL",
                                      "T\xFC"
                                      "r",
                                      "\x80"}));
}

TEST(ScriptEncoding, TheEndOfAScriptCountsCharacters) {
  const SourcePos end = EndOf("\xEF\xBB\xBFLINE\n\xC3\xA4\xC3\xB6", "s.vxs");
  EXPECT_EQ(end.line, 2);
  EXPECT_EQ(end.column, 3);
}

}  // namespace
}  // namespace vxh::script
