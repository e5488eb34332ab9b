#include "headless/text_encoding.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/encoding/cp1252_reference.h"

namespace vxh {
namespace {

// Every byte against iconv: the defined ones read as iconv reads them and
// come back to the same byte; the undefined ones read as U+FFFD, which has
// no way back.
TEST(Cp1252, EveryByteAgreesWithIconvAndComesBack) {
  int defined = 0;
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const std::string one(1, static_cast<char>(byte));
    const std::optional<std::string> reference = enctest::ReferenceUtf8(byte);
    if (reference) {
      ++defined;
      EXPECT_EQ(Cp1252ToUtf8(one), *reference) << "byte " << b;
      EXPECT_EQ(Utf8ToCp1252(*reference), one) << "byte " << b;
    } else {
      EXPECT_EQ(Cp1252ToUtf8(one), "\xEF\xBF\xBD") << "byte " << b;
      EXPECT_FALSE(Cp1252ByteOf(Cp1252CodePoint(byte))) << "byte " << b;
    }
  }
  EXPECT_EQ(defined, 251) << "iconv should know all but the five holes of the code page";
}

struct Utf8Case {
  const char* name;
  std::string bytes;
  char32_t code;       // when valid
  std::size_t length;  // 0: not well-formed
};

void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.name; }

class Utf8Chars : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Chars, ReadAsUnicodeSays) {
  const Utf8Char c = ReadUtf8Char(GetParam().bytes, 0);
  EXPECT_EQ(c.length, GetParam().length);
  if (GetParam().length != 0) {
    EXPECT_EQ(static_cast<std::uint32_t>(c.code), static_cast<std::uint32_t>(GetParam().code));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Encoding, Utf8Chars,
    ::testing::Values(
        Utf8Case{"Ascii", "A", U'A', 1}, Utf8Case{"TwoBytesLowest", "\xC2\x80", 0x80, 2},
        Utf8Case{"TwoBytesUmlaut", "\xC3\xA4", 0xE4, 2}, Utf8Case{"TwoBytesHighest", "\xDF\xBF", 0x7FF, 2},
        Utf8Case{"ThreeBytesLowest", "\xE0\xA0\x80", 0x800, 3}, Utf8Case{"Euro", "\xE2\x82\xAC", 0x20AC, 3},
        Utf8Case{"BeforeSurrogates", "\xED\x9F\xBF", 0xD7FF, 3}, Utf8Case{"AfterSurrogates", "\xEE\x80\x80", 0xE000, 3},
        Utf8Case{"FourBytesLowest", "\xF0\x90\x80\x80", 0x10000, 4},
        Utf8Case{"HighestCodePoint", "\xF4\x8F\xBF\xBF", 0x10FFFF, 4}, Utf8Case{"StrayContinuation", "\x80", 0, 0},
        Utf8Case{"OverlongSlash", "\xC0\xAF", 0, 0}, Utf8Case{"OverlongTwoByteLead", "\xC1\xBF", 0, 0},
        Utf8Case{"OverlongThreeBytes", "\xE0\x80\xAF", 0, 0}, Utf8Case{"OverlongFourBytes", "\xF0\x80\x80\xAF", 0, 0},
        Utf8Case{"HighSurrogate", "\xED\xA0\x80", 0, 0}, Utf8Case{"LowSurrogate", "\xED\xBF\xBF", 0, 0},
        Utf8Case{"PastUnicode", "\xF4\x90\x80\x80", 0, 0}, Utf8Case{"FiveByteLead", "\xF8\x88\x80\x80\x80", 0, 0},
        Utf8Case{"ByteFF", "\xFF", 0, 0}, Utf8Case{"CutShort", "\xE4\xB8", 0, 0},
        Utf8Case{"ContinuationMissing", "\xE4\x41\x41", 0, 0}, Utf8Case{"Cp1252UmlautByte", "\xE4", 0, 0}));

TEST(Cp1252, CharactersOutsideTheCodePageHaveNoByte) {
  for (const char32_t code :
       {char32_t{0x4E2D}, char32_t{0x0100}, char32_t{0x0081}, char32_t{0x009F}, char32_t{0x1F600}, char32_t{0xFFFD}})
    EXPECT_FALSE(Cp1252ByteOf(code)) << static_cast<std::uint32_t>(code);
  EXPECT_EQ(Utf8ToCp1252Lossy("a\xE4\xB8\xAD"
                              "b\xC3"),
            "a?b?");
}

TEST(Cp1252, MessagesNameTheCharacterAndTheBytes) {
  EXPECT_EQ(DescribeCharacter(0x4E2D), "U+4E2D \"\xE4\xB8\xAD\"");
  EXPECT_EQ(DescribeCharacter(0x85), "U+0085");
  EXPECT_EQ(DescribeBadUtf8("\xC0\xAFx", 0), "C0 AF");
  EXPECT_EQ(QuoteForMessage("\xB0"), "\"\xC2\xB0\"");
}

}  // namespace
}  // namespace vxh
