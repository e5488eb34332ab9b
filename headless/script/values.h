// Numbers and points as a script writes them: pure parsing, no host.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vxh::script {

// A finite decimal number with an optional sign and exponent; blanks around
// it are allowed. Anything else (including "inf" and "nan") gives nothing.
std::optional<double> ParseNumber(std::string_view text);

// A whole number that fits 32 bits.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// "x,y", "x,y,z" or the relative forms "@dx,dy", "@dx,dy,dz".
struct PointText {
  double x = 0, y = 0, z = 0;
  int count = 0;  // 2 or 3 coordinates given
  bool relative = false;
};
std::optional<PointText> ParsePoint(std::string_view text);

// Splits on a separator; empty fields are kept.
std::vector<std::string_view> SplitFields(std::string_view text, char separator);

std::string_view TrimBlanks(std::string_view text);

}  // namespace vxh::script
