// wsprintfA: the Windows formatting subset. Conversions c, d, i, u, x, X, s
// and %%, with the flags "-", "0" and "#", a width, a precision (for s the
// most characters taken, for numbers the fewest digits) and the size prefixes
// "l" (32 bits, as Windows' long) and "h" (16 bits). No floating point and no
// "*" widths, as in Windows. The result is cut at 1024 characters.
#pragma once

#include <cstdarg>
#include <string>

namespace vxh::win {

inline constexpr std::size_t kWsprintfLimit = 1024;

std::string FormatWindows(const char* format, std::va_list args);

}  // namespace vxh::win
