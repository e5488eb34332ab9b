#include <gtest/gtest.h>

#include <string>

#include "text/replace_rules.h"

namespace vx {
namespace {

TEST(CaseFold, FoldsAsciiAndTheThreeNordicLettersOnly) {
  // Other accented letters stay.
  const int cases[][2] = {{'a', 'A'},   {'z', 'Z'},   {'A', 'A'},   {0xE5, 0xC5}, {0xE4, 0xC4},
                          {0xF6, 0xD6}, {0xE9, 0xE9}, {0xFF, 0xFF}, {'1', '1'}};
  for (const auto& c : cases) EXPECT_EQ(CaseFold(static_cast<std::uint8_t>(c[0])), c[1]) << c[0];
}

TEST(FindText, MatchesWithAndWithoutCase) {
  EXPECT_EQ(FindText("xAbc", "ab", true), 1u);
  EXPECT_EQ(FindText("xAbc", "ab", false), std::nullopt);
  EXPECT_EQ(FindText("\xC5s", "\xE5", true), 0u);
  EXPECT_EQ(FindText("as", "\xE5", true), std::nullopt);  // 0xE5 never matches 'a'
  EXPECT_EQ(FindText("abc", "", true), std::nullopt);
  EXPECT_EQ(FindText("ab", "abc", true), std::nullopt);
  EXPECT_EQ(FindText("abc", "bc", false), 1u);
}

struct ReplaceCase {
  const char* text;
  const char* search;
  const char* replacement;
  int match;
  bool ignore_case;
  const char* expected;  // null: the rule does not apply
};

TEST(ReplacedText, ReplacesAsTheMatchModeSays) {
  const ReplaceCase cases[] = {
      {"AbcabAB", "ab", "X", kMatchPart, true, "XcXX"},
      {"AbcabAB", "ab", "X", kMatchPart, false, "AbcXAB"},
      {"abab", "ab", "X", kMatchBeginning, true, "Xab"},
      {"cab", "ab", "X", kMatchBeginning, true, nullptr},
      {"ab", "ab", "X", kMatchAll, true, "X"},
      {"abc", "ab", "X", kMatchAll, true, nullptr},
      {"cab", "ab", "X", kMatchAll, true, nullptr},
      {"aaa", "aa", "X", kMatchPart, true, "Xa"},      // no overlaps
      {"aaa", "a", "aa", kMatchPart, true, "aaaaaa"},  // only the old text is searched
      {"\xC5ngen", "\xE5", "A", kMatchPart, true, "Angen"},
      {"angen", "\xE5", "A", kMatchPart, true, nullptr},
      {"", "a", "X", kMatchPart, true, nullptr},
      {"abc", "", "X", kMatchPart, true, nullptr},
  };
  for (const ReplaceCase& c : cases) {
    const ReplaceRule rule{c.search, c.replacement, c.match, c.ignore_case};
    EXPECT_EQ(SearchMatches(c.text, rule), c.expected != nullptr) << c.text << " / " << c.search;
    if (c.expected != nullptr) {
      EXPECT_EQ(ReplacedText(c.text, rule), c.expected) << c.text << " / " << c.search;
    }
  }
}

TEST(ReplacedText, AResultBeyondTheOldWorkStringIsKeptWhole) {
  // 199 single letters, each replaced by 200 bytes: nearly 40,000 bytes.
  const std::string text(199, 'a');
  const std::string replacement(200, 'Z');
  const std::string out = ReplacedText(text, ReplaceRule{"a", replacement, kMatchPart, false});
  EXPECT_EQ(out.size(), 199u * 200u);
  EXPECT_EQ(out.find_first_not_of('Z'), std::string::npos);
}

TEST(SearchMatches, RefusesTextsOfTwoHundredBytesOrMore) {
  const ReplaceRule rule{"a", "b", kMatchPart, true};
  EXPECT_TRUE(SearchMatches(std::string(199, 'a').c_str(), rule));
  EXPECT_FALSE(SearchMatches(std::string(200, 'a').c_str(), rule));
  EXPECT_FALSE(SearchMatches(nullptr, rule));
}

TEST(ReplacementDigits, TellPlainNumbersFromTextsWithNumbers) {
  EXPECT_TRUE(HoldsDigit("N1"));
  EXPECT_FALSE(HoldsDigit("N"));
  EXPECT_TRUE(OnlyDigits(""));
  EXPECT_TRUE(OnlyDigits("042"));
  EXPECT_FALSE(OnlyDigits("N1"));
}

}  // namespace
}  // namespace vx
