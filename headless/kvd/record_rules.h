// The size rules of entity records, by kind, as far as the layouts fix them.
#pragma once

#include <cstdint>
#include <string>

namespace vxh {

// Empty when the record (size bytes, its size field already checked against
// size) keeps the rules of its kind; otherwise what is wrong.
std::string RecordRuleViolation(const std::uint8_t* record, std::uint32_t size);

}  // namespace vxh
