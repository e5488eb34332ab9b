#include "host/number_reader.h"

namespace vx {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c) { return c - '0'; }

bool MayStartDecimal(char c) { return IsDigit(c) || c == '.' || c == '-' || c == '+'; }

// Fraction digits after a consumed ".", added one step at a time.
void ReadFraction(const char*& pos, DecimalReading& reading) {
  double step = 0.1;
  while (IsDigit(*pos)) {
    reading.value += DigitValue(*pos) * step;
    step /= 10;
    ++reading.decimals;
    reading.ok = true;
    ++pos;
  }
}

}  // namespace

IntegerReading ReadInteger(const char*& pos) {
  while (*pos == ' ') ++pos;
  const bool negative = *pos == '-';
  if (negative) ++pos;
  if (!IsDigit(*pos)) return {};
  std::uint32_t magnitude = 0;
  while (IsDigit(*pos)) {
    magnitude = magnitude * 10u + static_cast<std::uint32_t>(DigitValue(*pos));
    ++pos;
  }
  // Unsigned negation and the conversion back are both defined modulo 2^32.
  const std::uint32_t bits = negative ? 0u - magnitude : magnitude;
  return {true, static_cast<std::int32_t>(bits)};
}

DecimalReading ReadDecimal(const char*& pos) {
  if (!MayStartDecimal(*pos)) return {};
  const bool negative = *pos == '-';
  if (negative) ++pos;
  DecimalReading reading;
  const IntegerReading whole = ReadInteger(pos);
  reading.ok = whole.ok;
  reading.value = whole.value;
  if (*pos == '.') {
    ++pos;
    ReadFraction(pos, reading);
  }
  if (!reading.ok) return {};
  if (negative) reading.value = -reading.value;
  return reading;
}

}  // namespace vx
