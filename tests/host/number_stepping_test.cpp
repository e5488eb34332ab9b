#include <cstring>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "host/number_stepping.h"

namespace vx {
namespace {

constexpr unsigned kUpFirst = 0;
constexpr unsigned kDownFirst = kStepDown;
constexpr unsigned kUpLast = kStepLastGroup;
constexpr unsigned kDownLast = kStepDown | kStepLastGroup;

struct StepCase {
  const char* text;
  unsigned flags;
  const char* expected;  // equal to text when nothing may change
};

// Steps in a roomy buffer and returns the text and whether it changed.
std::pair<std::string, bool> StepInBuffer(const char* text, unsigned flags) {
  char buffer[64] = {};
  std::strcpy(buffer, text);
  const bool changed = StepNumber(buffer, sizeof buffer, flags);
  return {buffer, changed};
}

TEST(StepNumber, ChoosesTheGroupAndItsSignKeepsTheWidthAndWraps) {
  const StepCase cases[] = {
      {"Room 9", kUpFirst, "Room 10"},
      {"A-1", kUpFirst, "A0"},
      {"12ab34", kUpFirst, "13ab34"},
      {"12ab34", kUpLast, "12ab35"},
      {"Room 9 of 19", kUpFirst, "Room 10 of 19"},
      {"Room 9 of 19", kUpLast, "Room 9 of 20"},
      {"a-5b", kDownFirst, "a-6b"},
      {"v2-007", kUpLast, "v2-008"},  // the "-" is not next to the 7
      {"Room 10", kDownFirst, "Room 9"},
      {"0", kDownFirst, "-1"},
      {"no digits", kUpFirst, "no digits"},
      {"no digits", kUpLast, "no digits"},
      {"-", kUpLast, "-"},
      {"", kUpFirst, ""},
      // Only the last group looks past leading zeros; a zero in front of a
      // number that grows gives way so the width stays.
      {"x009", kUpLast, "x010"},
      {"x007", kDownLast, "x006"},
      {"x0099", kUpLast, "x0100"},
      {"x99", kUpLast, "x100"},
      {"x010", kDownLast, "x09"},  // shrinking does not pad
      {"a00", kDownLast, "a-1"},   // "00": the number is the last 0
      {"x009", kUpFirst, "x10"},   // the first group reads 009 as one number
      // Wrapping at the ends of 32 bits.
      {"n2147483647", kUpFirst, "n-2147483648"},
      {"-2147483648", kDownFirst, "2147483647"},
      {"4294967295", kUpFirst, "0"},  // reads as -1
  };
  for (const StepCase& c : cases) {
    const auto [result, changed] = StepInBuffer(c.text, c.flags);
    EXPECT_EQ(result, c.expected) << c.text << " flags " << c.flags;
    EXPECT_EQ(changed, std::strcmp(c.text, c.expected) != 0) << c.text;
  }
}

// Buffers sized exactly, on the heap, so that a write or read past their end
// is caught by the address sanitizer.
std::unique_ptr<char[]> ExactBuffer(const char* text, std::size_t capacity) {
  auto buffer = std::make_unique<char[]>(capacity);
  std::memcpy(buffer.get(), text, std::min(capacity, std::strlen(text) + 1));
  return buffer;
}

TEST(StepNumber, NeverGrowsPastTheBuffer) {
  auto full = ExactBuffer("Room 9", 7);
  EXPECT_FALSE(StepNumber(full.get(), 7, kUpFirst));
  EXPECT_STREQ(full.get(), "Room 9");

  auto roomy = ExactBuffer("Room 9", 8);
  EXPECT_TRUE(StepNumber(roomy.get(), 8, kUpFirst));
  EXPECT_STREQ(roomy.get(), "Room 10");

  // Same width: fits in a buffer with no spare byte.
  auto same = ExactBuffer("x009", 5);
  EXPECT_TRUE(StepNumber(same.get(), 5, kUpLast));
  EXPECT_STREQ(same.get(), "x010");
}

TEST(StepNumber, TextWithoutItsEndInTheBufferIsLeftAlone) {
  auto unterminated = ExactBuffer("ab99", 4);
  EXPECT_FALSE(StepNumber(unterminated.get(), 4, kUpLast));
  EXPECT_EQ(std::string(unterminated.get(), 4), "ab99");
}

}  // namespace
}  // namespace vx
