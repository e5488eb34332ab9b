// Conversion of a double to a 32-bit integer by truncation toward zero, the
// way the pack's arithmetic rounds. A value that has no 32-bit result (NaN,
// infinity, out of range) gives INT32_MIN, the value the 32-bit target's
// conversion instruction yields, so that every build agrees and none of them
// runs into undefined behaviour.
#pragma once

#include <cstdint>
#include <limits>

namespace vx {

inline constexpr std::int32_t kNoInt32Result = std::numeric_limits<std::int32_t>::min();

constexpr std::int32_t TruncateToInt32(double value) {
  // Both bounds are exact doubles; NaN fails both comparisons.
  if (value > -2147483649.0 && value < 2147483648.0) {
    return static_cast<std::int32_t>(value);
  }
  return kNoInt32Result;
}

}  // namespace vx
