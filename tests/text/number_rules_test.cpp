#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "text/number_rules.h"

namespace vx {
namespace {

struct IncrementCase {
  const char* text;
  std::int32_t by;
  bool decrement;
  DigitGroup group;
  const char* expected;
};

TEST(IncrementedText, ChangesTheChosenRunKeepingLeadingZerosAndNeverCutting) {
  const IncrementCase cases[] = {
      {"Item 9", 1, false, DigitGroup::kFirst, "Item 10"},
      {"099", 1, false, DigitGroup::kFirst, "100"},
      {"0999", 1, false, DigitGroup::kFirst, "1000"},
      {"007", 1, false, DigitGroup::kFirst, "008"},
      {"005", 10, true, DigitGroup::kFirst, "000"},  // below zero becomes 0, width kept
      {"5", 10, true, DigitGroup::kFirst, "0"},
      {"-5", 1, false, DigitGroup::kFirst, "-6"},  // the minus sign is text
      {"x12y34", 1, false, DigitGroup::kLast, "x12y35"},
      {"x12y34", 1, false, DigitGroup::kFirst, "x13y34"},
      {"12", 1, false, DigitGroup::kLast, "13"},  // the run starts at the first character
      {"12ab", 5, false, DigitGroup::kLast, "17ab"},
      {"Pos 7", 0, false, DigitGroup::kFirst, "Pos 7"},
      {"A-009", 1, false, DigitGroup::kLast, "A-010"},
      {"no digits", 1, false, DigitGroup::kLast, "no digits"},
  };
  for (const IncrementCase& c : cases) {
    EXPECT_EQ(IncrementedText(c.text, c.by, c.decrement, c.group), c.expected) << c.text << " by " << c.by;
  }
}

TEST(IncrementedText, WrapsAsThirtyTwoBitArithmeticWithoutOverflowing) {
  // 2147483647 + 1 wraps to the most negative value, which becomes 0.
  EXPECT_EQ(IncrementedText("2147483647", 1, false, DigitGroup::kFirst), "0");
  // A run too long for 32 bits is read modulo 2^32: 4294967297 is 1.
  EXPECT_EQ(IncrementedText("4294967297", 1, false, DigitGroup::kFirst), "2");
  EXPECT_EQ(IncrementedText("7", INT_MIN, true, DigitGroup::kFirst), "0");
  EXPECT_EQ(IncrementedText("7", INT_MIN, false, DigitGroup::kFirst), "0");
}

TEST(HasDigit, NeedsADigitInATextShorterThanTwoHundredBytes) {
  EXPECT_FALSE(HasDigit(nullptr));
  EXPECT_FALSE(HasDigit(""));
  EXPECT_FALSE(HasDigit("abc"));
  EXPECT_TRUE(HasDigit("a1"));
  EXPECT_TRUE(HasDigit(std::string(199, 'x').append("1").substr(1).c_str()));
  EXPECT_FALSE(HasDigit(std::string(199, 'x').append("1").c_str()));
}

struct NthCase {
  const char* text;
  int choice;
  std::size_t at;
};

TEST(FindNthNumber, CountsGroupsFromTheFrontAndFromTheBack) {
  const NthCase cases[] = {
      {"A1-B2-C3", kFirstNumber, 1},
      {"A1-B2-C3", kSecondNumber, 4},
      {"A1-B2-C3", kThirdNumber, 7},
      {"A1-B2-C3", kSecondLastNumber, 4},
      {"A1-B2-C3", kLastNumber, 7},
      {"Room 4", kSecondNumber, 6},  // appended at the end
      {"Room 4", kThirdNumber, 6},
      {"12ab", kSecondLastNumber, 0},  // the text starts with the group: replaced
      {"x7", kSecondLastNumber, 1},    // the back scan stops on the second character, a digit group
      {"ab7", kSecondLastNumber, 1},   // nothing to replace at the second character
      {"12", kLastNumber, 0},
      {"a12", kLastNumber, 1},
      {"12-34", kLastNumber, 3},
      {"", kSecondLastNumber, 0},
      {"A1-B2", -1, 1},  // no entry chosen: the first number
      {"A1-B2", 99, 1},
  };
  for (const NthCase& c : cases) EXPECT_EQ(FindNthNumber(c.text, c.choice), c.at) << c.text << " #" << c.choice;
}

struct FormatCase {
  std::int32_t number;
  SequenceFormat format;
  const char* expected;
};

TEST(SequenceNumberText, PadsToTheFixedLengthAndPutsTheSignAfterThePadding) {
  const FormatCase cases[] = {
      {1, {true, 3, false}, "001"},
      {1234, {true, 3, false}, "1234"},
      {1234, {true, 3, true}, "01234"},
      {5, {false, 3, true}, "05"},
      {5, {false, 3, false}, "5"},
      {-5, {true, 3, false}, "0-5"},
      {7, {true, 100, false}, "000000000000000000007"},  // at most 20 zeros
      {7, {true, INT_MIN, true}, "07"},
      {7, {true, INT_MAX, false}, "000000000000000000007"},
  };
  for (const FormatCase& c : cases) EXPECT_EQ(SequenceNumberText(c.number, c.format), c.expected) << c.number;
}

}  // namespace
}  // namespace vx
