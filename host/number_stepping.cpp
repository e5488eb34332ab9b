#include "host/number_stepping.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "host/number_reader.h"

namespace vx {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t BoundedLength(const char* text, std::size_t capacity) {
  const char* end = std::find(text, text + capacity, '\0');
  return end == text + capacity ? kNone : static_cast<std::size_t>(end - text);
}

std::size_t FirstGroupStart(const char* text, std::size_t length) {
  const char* digit = std::find_if(text, text + length, IsDigit);
  return digit == text + length ? kNone : static_cast<std::size_t>(digit - text);
}

// The last group's first digit, past leading zeros that another digit follows:
// in "x007" the number is the 7 and its zeros stay in front of it.
std::size_t LastGroupStart(const char* text, std::size_t length) {
  std::size_t end = length;
  while (end > 0 && !IsDigit(text[end - 1])) --end;
  if (end == 0) return kNone;
  std::size_t start = end - 1;
  while (start > 0 && IsDigit(text[start - 1])) --start;
  while (text[start] == '0' && IsDigit(text[start + 1])) ++start;
  return start;
}

std::size_t NumberStart(const char* text, std::size_t length, unsigned flags) {
  const std::size_t digits = (flags & kStepLastGroup) ? LastGroupStart(text, length) : FirstGroupStart(text, length);
  if (digits != kNone && digits > 0 && text[digits - 1] == '-') return digits - 1;
  return digits;
}

std::int32_t Stepped(std::int32_t value, unsigned flags) {
  const std::uint32_t bits = static_cast<std::uint32_t>(value);
  return static_cast<std::int32_t>((flags & kStepDown) ? bits - 1u : bits + 1u);
}

// Replaces text[start, end) with the new digits, moving the rest of the text
// and its NUL; false when the result would not fit in capacity.
bool ReplaceSpan(char* text, std::size_t length, std::size_t capacity, std::size_t start, std::size_t end,
                 const char* digits, std::size_t count) {
  if (length - (end - start) + count >= capacity) return false;
  std::memmove(text + start + count, text + end, length - end + 1);
  std::memcpy(text + start, digits, count);
  return true;
}

}  // namespace

bool StepNumber(char* text, std::size_t capacity, unsigned flags) {
  const std::size_t length = BoundedLength(text, capacity);
  if (length == kNone) return false;
  std::size_t start = NumberStart(text, length, flags);
  if (start == kNone) return false;
  const char* pos = text + start;
  const IntegerReading number = ReadInteger(pos);
  if (!number.ok) return false;
  const std::size_t end = static_cast<std::size_t>(pos - text);

  char digits[16];
  const auto written = std::to_chars(digits, digits + sizeof digits, Stepped(number.value, flags));
  const std::size_t new_length = static_cast<std::size_t>(written.ptr - digits);
  // A zero in front gives way to a longer number, so "009" becomes "010".
  if (new_length > end - start && start > 0 && text[start - 1] == '0') --start;

  return ReplaceSpan(text, length, capacity, start, end, digits, new_length);
}

}  // namespace vx
