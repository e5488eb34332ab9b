// What a settings table must hold for the host's lookups to be safe on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vxh {

// Empty when the table (length bytes) is sound; otherwise what is wrong and
// at which byte of the table.
std::string TableRuleViolation(int number, const std::uint8_t* table, std::size_t length);

}  // namespace vxh
