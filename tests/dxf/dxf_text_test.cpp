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

INSTANTIATE_TEST_SUITE_P(
    Codes, PlainMTextTest,
    testing::Values(MTextCase{"Paragraphs", "one\\Ptwo", "one\r\ntwo"},
                    MTextCase{"FontSwitchInGroup", "{\\fArial|b1;Bold} text", "Bold text"},
                    MTextCase{"HeightAndColour", "\\H2.5;\\C1;red", "red"},
                    MTextCase{"StackedFraction", "\\S1/2;", "1/2"},
                    MTextCase{"StackedTolerance", "\\S+0.1^-0.2;", "+0.1/-0.2"},
                    MTextCase{"EscapedBackslashAndBraces", "a\\\\b\\{c\\}", "a\\b{c}"},
                    MTextCase{"NonBreakingSpace", "a\\~b", "a b"},
                    MTextCase{"UnicodeEscape", "\\U+00B0C", "\xB0" "C"},
                    MTextCase{"UnicodeWithout1252Twin", "\\U+4E2D", "?"},
                    MTextCase{"UnderlineToggles", "\\Lunder\\l", "under"},
                    MTextCase{"UnterminatedSwitch", "x\\H2.5", "x"},
                    MTextCase{"TrailingBackslash", "x\\", "x\\"}),
    [](const testing::TestParamInfo<MTextCase>& info) { return std::string(info.param.name); });

TEST(PlainTextTest, ControlCodesBecomeCharacters) {
  EXPECT_EQ(PlainText("45%%d %%p0.1 %%c10 100%%%"), "45\xB0 \xB1" "0.1 \xD8" "10 100%");
  EXPECT_EQ(PlainText("%%uunder%%u"), "under");
  EXPECT_EQ(PlainText("50%"), "50%");
}

TEST(Utf8ToCp1252Test, MapsWhat1252HoldsAndMarksTheRest) {
  EXPECT_EQ(Utf8ToCp1252("caf\xC3\xA9"), "caf\xE9");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC" "5"), "\x80" "5");  // euro sign
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");  // cut sequence
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
