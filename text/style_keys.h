// The single keys that style the text hanging at the cursor: justification,
// style bits, numbers in the string, and keeping or loading the defaults.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vx {

// The far-justification table: a normal code to its far code and back.
std::uint8_t FarJustification(std::uint8_t code);

// The key applied to a 23-byte text spec and its string (capacity bytes);
// false for a key that has no effect here.
bool ApplyStyleKeyTo(std::uint8_t key, std::uint8_t* spec, char* string, std::size_t capacity);

}  // namespace vx
