// Reading numbers out of text: the shared readers behind the PAT-file parser
// and number stepping. Both advance a text position past what they consume.
#pragma once

#include <cstdint>

namespace vx {

struct IntegerReading {
  bool ok = false;
  std::int32_t value = 0;  // 0 when !ok
};

// Spaces, an optional "-", then decimal digits. On failure the spaces and the
// "-" stay consumed. Digits accumulate in 32-bit unsigned arithmetic, so a
// number too long for 32 bits wraps instead of overflowing.
IntegerReading ReadInteger(const char*& pos);

struct DecimalReading {
  bool ok = false;
  double value = 0;  // 0 when !ok
  int decimals = 0;  // digits read after the "."
};

// An optional "-", an integer part (ReadInteger) and an optional "." with
// fraction digits; no exponent. The text must start with a digit, ".", "-" or
// "+", else nothing is consumed; a "+" is recognised but never consumed, so
// "+3" fails. Each fraction digit adds digit x step (step 0.1, 0.01, ...), so
// the value can differ in its last bits from what strtod would give.
DecimalReading ReadDecimal(const char*& pos);

}  // namespace vx
