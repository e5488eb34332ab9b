#include "headless/dxf/dxf_text.h"

#include <gtest/gtest.h>

namespace vxh::dxf {
namespace {

TEST(PlainMTextTest, StripsFormatting) {
  const std::pair<const char*, const char*> cases[] = {
      {"one\\Ptwo", "one\r\ntwo"},               // paragraphs
      {"{\\fArial|b1;Bold} text", "Bold text"},  // font switch in a group
      {"\\H2.5;\\C1;red", "red"},                // height and colour
      {"\\S1/2;", "1/2"},                        // stacked fraction
      {"\\S+0.1^-0.2;", "+0.1/-0.2"},            // stacked tolerance
      {"a\\\\b\\{c\\}", "a\\b{c}"},              // escaped backslash and braces
      {"a\\~b", "a b"},                          // non-breaking space
      {"\\U+00B0C", "\xB0\x43"},                 // Unicode escape: a degree sign and C
      {"\\U+4E2D", "\\U+4E2D"},                  // without a 1252 twin: stays an escape
      {"\\Lunder\\l", "under"},                  // underline toggles
      {"x\\H2.5", "x"},                          // unterminated switch
      {"x\\", "x\\"},                            // trailing backslash
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(PlainMText(in), out) << in;
}

TEST(PlainTextTest, ControlCodesBecomeCharacters) {
  EXPECT_EQ(PlainText("45%%d %%p0.1 %%c10 100%%%"),
            "45\xB0 \xB1"
            "0.1 \xD8"
            "10 100%");
  EXPECT_EQ(PlainText("%%uunder%%u"), "under");
  EXPECT_EQ(PlainText("50%"), "50%");
}

TEST(DxfDecoderTest, GivesCodePage1252AndCountsWhatItCannotHold) {
  const struct {
    bool utf8;
    const char* code_page;
    std::string in, out;
    int escaped, lost;
  } cases[] = {
      {true, "", "caf\xC3\xA9", "caf\xE9", 0, 0},
      {true, "", "\xE2\x82\xAC\x35", "\x80\x35", 0, 0},            // a euro sign and 5
      {true, "", "\xD0\x96", "\\U+0416", 1, 0},                    // Cyrillic Zhe
      {true, "", "\xF0\x9F\x98\x80", "?", 0, 1},                   // beyond 16 bits
      {true, "", "\xC3", "?", 0, 1},                               // cut sequence
      {true, "", "a\\U+00e9b", "a\xE9\x62", 0, 0},                 // escape of a 1252 character
      {false, "ANSI_1252", "\\U+041f\xB0", "\\U+041F\xB0", 1, 0},  // kept, counted
      {false, "ANSI_1252", "\x81", "\x81", 0, 0},                  // undefined byte stays
      {false, "ANSI_1251", "\xCF\xEB\xE0\xED", "\\U+041F\\U+043B\\U+0430\\U+043D", 4, 0},
      {false, "ANSI_1251", "\xB0 \\U+00C4", "\xB0 \xC4", 0, 0},
      {false, "", "\\U+12", "\\U+12", 0, 0},  // not an escape
  };
  for (const auto& c : cases) {
    DxfDecoder decoder(c.utf8, c.code_page);
    EXPECT_EQ(decoder.Decode(c.in), c.out) << c.in;
    EXPECT_EQ(decoder.Escaped(), c.escaped) << c.in;
    EXPECT_EQ(decoder.Lost(), c.lost) << c.in;
  }
}

TEST(DxfDecoderTest, UnknownCodePageReadsAs1252AndIsNamed) {
  DxfDecoder decoder(false, "ANSI_99999");
  EXPECT_EQ(decoder.Decode("\xE9"), "\xE9");
  EXPECT_EQ(decoder.UnknownCodePage(), "ANSI_99999");
}

TEST(TextJustifyTest, MapsToHostCode) {
  const int cases[][3] = {{0, 0, 0}, {1, 0, 1}, {2, 1, 2}, {0, 2, 3}, {1, 2, 4},
                          {2, 3, 8}, {4, 0, 4}, {3, 0, 0}, {5, 0, 0}};  // horizontal, vertical, code
  for (const auto& c : cases) EXPECT_EQ(JustifyOfText(c[0], c[1]), c[2]) << "H" << c[0] << "V" << c[1];
}

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
