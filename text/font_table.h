// The drawing's font table (settings table 8): which font a text's font
// number stands for, and of what type.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/kv_types.h"

namespace vx {

enum class FontType : std::uint8_t { kStroke = 0, kTrueType = 1, kOther = 2 };

struct FontEntry {
  FontType type = FontType::kOther;
  std::string name;
};

// The entry with this font number in the table, or none. A malformed table
// (an entry too short for its name, a name without its NUL) ends the search.
std::optional<FontEntry> FindFontEntry(const std::uint8_t* table, std::uint16_t number);

}  // namespace vx
