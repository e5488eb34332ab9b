#include "text/number_rules.h"

#include <algorithm>
#include <cstring>

namespace vx {

namespace {

constexpr std::int64_t kMaxPadZeros = 20;

std::size_t FirstDigit(std::string_view text) {
  const auto at = std::find_if(text.begin(), text.end(), IsDigit);
  return static_cast<std::size_t>(at - text.begin());
}

// The first digit of the last run of digits; the text holds a digit.
std::size_t LastRunStart(std::string_view text) {
  std::size_t p = text.size() - 1;
  while (p > 0 && !IsDigit(text[p])) --p;
  while (p > 0 && IsDigit(text[p - 1])) --p;
  return p;
}

std::uint32_t ReadRun(std::string_view run) {
  std::uint32_t value = 0;
  for (char c : run) value = value * 10u + static_cast<std::uint32_t>(c - '0');
  return value;
}

// The counting of FindNthNumber: positive counts from the front, negative
// from the back.
int NumberCount(int choice) {
  if (choice < kFirstNumber || choice > kLastNumber) choice = kFirstNumber;
  return choice <= kThirdNumber ? choice + 1 : choice - 5;
}

std::size_t NthFromFront(std::string_view s, int n) {
  std::size_t p = 0;
  for (;;) {
    while (p < s.size() && !IsDigit(s[p])) ++p;
    if (--n == 0) return p;
    while (p < s.size() && IsDigit(s[p])) ++p;
  }
}

// e starts on the terminating NUL, which is no digit.
std::size_t NthFromBack(std::string_view s, int n) {
  auto digit_at = [&s](std::size_t e) { return e < s.size() && IsDigit(s[e]); };
  std::size_t e = s.size();
  for (;;) {
    while (e > 0 && !digit_at(e)) --e;
    while (digit_at(e) && e > 0) --e;
    if (++n == 0) return digit_at(e) ? e : std::min(e + 1, s.size());
  }
}

}  // namespace

bool HasDigit(const char* text) {
  if (text == nullptr) return false;
  const std::size_t length = strnlen(text, kRuleTextLimit);
  if (length >= kRuleTextLimit) return false;
  return std::any_of(text, text + length, IsDigit);
}

std::int32_t WrappingAdd(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

std::string IncrementedText(std::string_view text, std::int32_t by, bool decrement, DigitGroup group) {
  const std::size_t first = FirstDigit(text);
  if (first == text.size()) return std::string(text);
  const std::size_t p = group == DigitGroup::kLast ? LastRunStart(text) : first;
  const std::size_t n = DigitRunLength(text, p);
  const std::uint32_t step = static_cast<std::uint32_t>(by);
  const std::uint32_t read = ReadRun(text.substr(p, n));
  std::int32_t value = static_cast<std::int32_t>(decrement ? read - step : read + step);
  if (value < 0) value = 0;
  const std::string digits = std::to_string(value);
  std::string out(text.substr(0, p));
  if (text[p] == '0' && n > digits.size()) out.append(n - digits.size(), '0');
  out += digits;
  out += text.substr(p + n);
  return out;
}

std::size_t DigitRunLength(std::string_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - at;
}

std::size_t FindNthNumber(std::string_view text, int choice) {
  const int n = NumberCount(choice);
  return n > 0 ? NthFromFront(text, n) : NthFromBack(text, n);
}

std::string SequenceNumberText(std::int32_t number, const SequenceFormat& format) {
  const std::string digits = std::to_string(number);
  std::string out;
  if (format.fixed_length) {
    std::int64_t pad = std::min<std::int64_t>(
        static_cast<std::int64_t>(format.digits) - static_cast<std::int64_t>(digits.size()), kMaxPadZeros);
    if (pad < 1 && format.leading_zero) pad = 1;
    if (pad > 0) out.append(static_cast<std::size_t>(pad), '0');
  } else if (format.leading_zero) {
    out += '0';
  }
  return out + digits;
}

}  // namespace vx
