#include "headless/dxf/dxf_text.h"

#include <gtest/gtest.h>

namespace vxh::dxf {
namespace {

struct MTextCase {
  const char* name;
  const char* in;
  const char* out;
};

class PlainMTextTest : public testing::TestWithParam<MTextCase> {};

TEST_P(PlainMTextTest, StripsFormatting) { EXPECT_EQ(PlainMText(GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(Codes, PlainMTextTest,
                         testing::Values(MTextCase{"Paragraphs", "one\\Ptwo", "one\r\ntwo"},
                                         MTextCase{"FontSwitchInGroup", "{\\fArial|b1;Bold} text", "Bold text"},
                                         MTextCase{"HeightAndColour", "\\H2.5;\\C1;red", "red"},
                                         MTextCase{"StackedFraction", "\\S1/2;", "1/2"},
                                         MTextCase{"StackedTolerance", "\\S+0.1^-0.2;", "+0.1/-0.2"},
                                         MTextCase{"EscapedBackslashAndBraces", "a\\\\b\\{c\\}", "a\\b{c}"},
                                         MTextCase{"NonBreakingSpace", "a\\~b", "a b"},
                                         MTextCase{"UnicodeEscape", "\\U+00B0C",
                                                   "\xB0"
                                                   "C"},
                                         MTextCase{"UnicodeWithout1252TwinStaysAnEscape", "\\U+4E2D", "\\U+4E2D"},
                                         MTextCase{"UnderlineToggles", "\\Lunder\\l", "under"},
                                         MTextCase{"UnterminatedSwitch", "x\\H2.5", "x"},
                                         MTextCase{"TrailingBackslash", "x\\", "x\\"}),
                         [](const testing::TestParamInfo<MTextCase>& info) { return std::string(info.param.name); });

TEST(PlainTextTest, ControlCodesBecomeCharacters) {
  EXPECT_EQ(PlainText("45%%d %%p0.1 %%c10 100%%%"),
            "45\xB0 \xB1"
            "0.1 \xD8"
            "10 100%");
  EXPECT_EQ(PlainText("%%uunder%%u"), "under");
  EXPECT_EQ(PlainText("50%"), "50%");
}

struct DecodeCase {
  bool utf8;
  const char* code_page;
  std::string in, out;
  int escaped, lost;
};

class DxfDecoderTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DxfDecoderTest, GivesCodePage1252AndCountsWhatItCannotHold) {
  const DecodeCase& c = GetParam();
  DxfDecoder decoder(c.utf8, c.code_page);
  EXPECT_EQ(decoder.Decode(c.in), c.out);
  EXPECT_EQ(decoder.Escaped(), c.escaped);
  EXPECT_EQ(decoder.Lost(), c.lost);
}

INSTANTIATE_TEST_SUITE_P(
    All, DxfDecoderTest,
    testing::Values(DecodeCase{true, "", "caf\xC3\xA9", "caf\xE9", 0, 0},
                    DecodeCase{true, "",
                               "\xE2\x82\xAC"
                               "5",
                               "\x80"
                               "5",
                               0, 0},                                     // euro sign
                    DecodeCase{true, "", "\xD0\x96", "\\U+0416", 1, 0},   // Cyrillic Zhe
                    DecodeCase{true, "", "\xF0\x9F\x98\x80", "?", 0, 1},  // beyond 16 bits
                    DecodeCase{true, "", "\xC3", "?", 0, 1},              // cut sequence
                    DecodeCase{true, "", "a\\U+00e9b",
                               "a\xE9"
                               "b",
                               0, 0},                                                      // escape of a 1252 character
                    DecodeCase{false, "ANSI_1252", "\\U+041f\xB0", "\\U+041F\xB0", 1, 0},  // kept, counted
                    DecodeCase{false, "ANSI_1252", "\x81", "\x81", 0, 0},                  // undefined byte stays
                    DecodeCase{false, "ANSI_1251", "\xCF\xEB\xE0\xED", "\\U+041F\\U+043B\\U+0430\\U+043D", 4, 0},
                    DecodeCase{false, "ANSI_1251", "\xB0 \\U+00C4", "\xB0 \xC4", 0, 0},
                    DecodeCase{false, "", "\\U+12", "\\U+12", 0, 0}));  // not an escape

TEST(DxfDecoderTest, UnknownCodePageReadsAs1252AndIsNamed) {
  DxfDecoder decoder(false, "ANSI_99999");
  EXPECT_EQ(decoder.Decode("\xE9"), "\xE9");
  EXPECT_EQ(decoder.UnknownCodePage(), "ANSI_99999");
}

struct JustifyCase {
  int horizontal, vertical, code;
};

class TextJustifyTest : public testing::TestWithParam<JustifyCase> {};

TEST_P(TextJustifyTest, MapsToHostCode) {
  EXPECT_EQ(JustifyOfText(GetParam().horizontal, GetParam().vertical), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(All, TextJustifyTest,
                         testing::Values(JustifyCase{0, 0, 0}, JustifyCase{1, 0, 1}, JustifyCase{2, 1, 2},
                                         JustifyCase{0, 2, 3}, JustifyCase{1, 2, 4}, JustifyCase{2, 3, 8},
                                         JustifyCase{4, 0, 4}, JustifyCase{3, 0, 0}, JustifyCase{5, 0, 0}),
                         [](const testing::TestParamInfo<JustifyCase>& info) {
                           return "H" + std::to_string(info.param.horizontal) + "V" +
                                  std::to_string(info.param.vertical);
                         });

TEST(TextJustifyTest, EveryHostCodeSurvivesTheTripThroughTextJustification) {
  for (int code = 0; code <= 8; ++code) {
    const DxfJustify j = DxfJustifyOf(code);
    EXPECT_EQ(JustifyOfText(j.horizontal, j.vertical), code) << code;
  }
}

TEST(TextJustifyTest, MTextAttachmentRowsRunTopToBottom) {
  EXPECT_EQ(JustifyOfAttachment(1), 6);  // top left
  EXPECT_EQ(JustifyOfAttachment(5), 4);  // middle centre
  EXPECT_EQ(JustifyOfAttachment(9), 2);  // bottom right
  EXPECT_EQ(JustifyOfAttachment(0), 6);  // out of range: the MTEXT default
}

}  // namespace
}  // namespace vxh::dxf
