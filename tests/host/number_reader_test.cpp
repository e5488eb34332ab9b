#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "host/number_reader.h"

namespace vx {
namespace {

struct IntegerCase {
  std::string text;
  bool ok;
  std::int32_t value;
  std::size_t consumed;
};

TEST(ReadInteger, SignsBlanksWrapAndWhereItStops) {
  const IntegerCase cases[] = {
      {"42x", true, 42, 2},
      {"   -17 ", true, -17, 6},
      {"007", true, 7, 3},
      {"\t5", false, 0, 0},   // only the space is a blank
      {"  -x", false, 0, 3},  // blanks and minus stay consumed
      {"--5", false, 0, 1},
      {"+3", false, 0, 0},
      {"", false, 0, 0},
      {"-2147483648", true, INT32_MIN, 11},
      {"2147483647", true, INT32_MAX, 10},
      // Too many digits wrap modulo 2^32.
      {"2147483648", true, INT32_MIN, 10},
      {"4294967295", true, -1, 10},
      {"4294967296", true, 0, 10},
      {"-4294967297", true, -1, 11},
      {"99999999999", true, 1215752191, 11},  // 99999999999 mod 2^32
  };
  for (const IntegerCase& c : cases) {
    const char* pos = c.text.c_str();
    const IntegerReading r = ReadInteger(pos);
    EXPECT_EQ(r.ok, c.ok) << c.text;
    EXPECT_EQ(r.value, c.value) << c.text;
    EXPECT_EQ(static_cast<std::size_t>(pos - c.text.c_str()), c.consumed) << c.text;
  }
}

struct DecimalCase {
  std::string text;
  bool ok;
  double value;
  int decimals;
  std::size_t consumed;
};

TEST(ReadDecimal, FormsThatReadAndFormsThatFail) {
  const DecimalCase cases[] = {
      {"-.5", true, -0.5, 1, 3},  {"12.25", true, 12.25, 2, 5},
      {"+3", false, 0, 0, 0},                              // "+" is let through but never consumed
      {"abc", false, 0, 0, 0},    {" 5", false, 0, 0, 0},  // blanks only after the first character
      {"7.", true, 7, 0, 2},      {".", false, 0, 0, 1},
      {"-", false, 0, 0, 1},      {"- 5", true, -5, 0, 3},  // the integer reader skips the blank
      {"3e5", true, 3, 0, 1},                               // no exponent
      {"1.5.5", true, 1.5, 1, 3}, {"0.125,", true, 0.125, 3, 5},
      {"-45,0", true, -45, 0, 3},
  };
  for (const DecimalCase& c : cases) {
    const char* pos = c.text.c_str();
    const DecimalReading r = ReadDecimal(pos);
    EXPECT_EQ(r.ok, c.ok) << c.text;
    EXPECT_EQ(r.value, c.value) << c.text;
    EXPECT_EQ(r.decimals, c.decimals) << c.text;
    EXPECT_EQ(static_cast<std::size_t>(pos - c.text.c_str()), c.consumed) << c.text;
  }
}

// Fraction digits are summed as digit x 0.1, digit x 0.01, ...; a reader that
// hands the text to strtod rounds differently.
TEST(ReadDecimal, SumsFractionDigitsRatherThanRoundingTheWholeText) {
  const char* text = "82.957";
  const char* pos = text;
  const DecimalReading r = ReadDecimal(pos);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.value, 0x1.4bd3f7ced9169p+6);  // 82.957000000000008
  EXPECT_NE(r.value, std::strtod(text, nullptr));
  EXPECT_EQ(r.decimals, 3);
}

}  // namespace
}  // namespace vx
