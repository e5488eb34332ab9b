// The font a text names by number, from the drawing's font table.
#pragma once

#include <cstdint>
#include <string>

namespace vxh {

struct TextFont {
  std::uint8_t type = 0;  // vx::kFontStroke, vx::kFontTrueType, or 2: not exploded
  std::string name;
};

// The table's entry of that number; an unknown number, or no drawing open,
// gives the font table's current font, and failing that "Simplex".
TextFont FontOfText(int font_number);

}  // namespace vxh
