// Stepping the number inside a text by one, as the text increment, replace and
// style-key commands do: "Room 9" becomes "Room 10", "A-1" becomes "A0", and
// with the last group "x009" becomes "x010" (a leading zero gives way so the
// width stays).
#pragma once

#include <cstddef>

namespace vx {

// Flags of StepNumber.
inline constexpr unsigned kStepDown = 0x1;       // subtract 1 instead of adding 1
inline constexpr unsigned kStepLastGroup = 0x2;  // the last group of digits, not the first

// Steps the number of the chosen digit group of text, in place. A "-" just
// before the digits belongs to the number; the result is written as "%d"
// would, wrapping as 32-bit arithmetic does at the ends of the range.
// capacity is the size of the buffer holding text, NUL included. Returns false
// and leaves text alone when there is no number, when text has no NUL within
// capacity, or when the stepped text would not fit.
bool StepNumber(char* text, std::size_t capacity, unsigned flags);

}  // namespace vx
