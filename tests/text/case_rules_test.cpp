#include <gtest/gtest.h>

#include <string>

#include "text/case_rules.h"

namespace vx {
namespace {

struct CaseCase {
  const char* text;
  int mode;
  const char* expected;
};

TEST(ConvertCase, ConvertsLettersAndTellsWhetherAnythingChanged) {
  const CaseCase cases[] = {
      {"hello WORLD", kCapitalized, "Hello World"},
      {"o-neil", kCapitalized, "O-Neil"},
      {"3rd street", kCapitalized, "3Rd Street"},
      {"\xE4\xE4 b", kCapitalized, "\xC4\xE4 B"},  // the letter after 0xE4 stays lower
      {"x\xE4Y", kCapitalized, "X\xE4y"},
      {"\xE9t\xE9", kUpperCase, "\xE9T\xE9"},  // 0xE9 is not a letter here
      {"\xE5\xE4\xF6", kUpperCase, "\xC5\xC4\xD6"},
      {"\xC5\xC4\xD6 ABC", kLowerCase, "\xE5\xE4\xF6 abc"},
      {"Already", kCapitalized, "Already"},
      {"lower", kLowerCase, "lower"},
  };
  for (const CaseCase& c : cases) {
    std::string out;
    const bool changed = ConvertCase(c.text, out, c.mode);
    EXPECT_EQ(out, c.expected) << c.text;
    EXPECT_EQ(changed, std::string(c.text) != c.expected) << c.text;
    EXPECT_EQ(WouldChangeCase(c.text, c.mode), changed) << c.text;
  }
}

TEST(ByteRules, MapOnlyTheKnownLetters) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<std::uint8_t>(b);
    const bool ascii = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
    const bool nordic = b == 0xC4 || b == 0xC5 || b == 0xD6 || b == 0xE4 || b == 0xE5 || b == 0xF6;
    EXPECT_EQ(IsLetter(byte), ascii || nordic) << b;
    if (!IsLetter(byte)) {
      EXPECT_EQ(ToUpper(byte), byte) << b;
      EXPECT_EQ(ToLower(byte), byte) << b;
    } else {
      EXPECT_EQ(ToLower(ToUpper(byte)), ToLower(byte)) << b;
      EXPECT_TRUE(IsLetter(ToUpper(byte)) && IsLetter(ToLower(byte))) << b;
    }
  }
}

TEST(WouldChangeCase, LeavesEmptyAndOverlongTextsAlone) {
  EXPECT_FALSE(WouldChangeCase(nullptr, kUpperCase));
  EXPECT_FALSE(WouldChangeCase("", kUpperCase));
  EXPECT_TRUE(WouldChangeCase(std::string(1023, 'a').c_str(), kUpperCase));
  EXPECT_FALSE(WouldChangeCase(std::string(1024, 'a').c_str(), kUpperCase));
}

}  // namespace
}  // namespace vx
