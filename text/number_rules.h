// Pure rules of the number commands: finding and rewriting the numbers inside
// a text for the increment and sequence commands. They take and return plain
// strings (code page 1252 bytes) and touch no host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// Texts of this many bytes or more are left alone by increment, replace and
// sequence.
inline constexpr std::size_t kRuleTextLimit = 200;

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A string that exists, is shorter than the limit and holds a digit.
bool HasDigit(const char* text);

enum class DigitGroup { kFirst = 0, kLast = 1 };

// Adds `by` to (or with `decrement` subtracts it from) the first or last run
// of digits in the text. The run is read as a 32-bit number (a longer run
// wraps), the sum wraps as 32-bit arithmetic does, and a result below zero
// becomes 0. A run that began with '0' keeps its width with leading zeros; the
// result is never cut. A minus sign before the run stays text. A text without
// digits is returned as it is.
std::string IncrementedText(std::string_view text, std::int32_t by, bool decrement, DigitGroup group);

// Entries of the sequence's number list.
enum NumberChoice : int {
  kFirstNumber = 0,
  kSecondNumber = 1,
  kThirdNumber = 2,
  kSecondLastNumber = 3,
  kLastNumber = 4,
};

// Where the chosen number of the text starts. Counting from the front, a text
// with fewer numbers gives its end (the number is appended); counting from
// the back it gives the first group when the text starts with a digit, else
// the second character. A choice outside the list counts as the first number.
std::size_t FindNthNumber(std::string_view text, int choice);

// The length of the run of digits at `at`.
std::size_t DigitRunLength(std::string_view text, std::size_t at);

struct SequenceFormat {
  bool fixed_length = false;
  std::int32_t digits = 3;  // the width with fixed length
  bool leading_zero = false;
};

// The next number as it is written: with fixed length, padded with at most 20
// zeros to the width (at least one with leading zero required), a minus sign
// coming after the padding; otherwise with one '0' in front when a leading
// zero is required.
std::string SequenceNumberText(std::int32_t number, const SequenceFormat& format);

// Adds with 32-bit wrapping, as the commands' counters do.
std::int32_t WrappingAdd(std::int32_t a, std::int32_t b);

}  // namespace vx
