// Advance widths of TrueType texts, measured as the pack's explode lays out
// their glyphs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vxh {

// The pack explodes a TrueType text with a font of cell height 360 and
// average width 140 and scales its device units by height / 250 upwards and
// height × width factor / 276 along the baseline. Measuring the same way
// keeps a centred text centred on its outlines.
inline constexpr int kExplodeFontHeight = 360;
inline constexpr int kExplodeFontWidth = 140;
inline constexpr double kExplodeUnitsPerWidth = 276;
inline constexpr double kExplodeUnitsPerHeight = 250;

// Length of a run in text heights (width factor 1): the sum of the cell
// increments over 276. Style bits 0x10 (strong) and 0x20 (italic) choose the
// face.
double TrueTypeRunLength(const std::string& font_name, std::uint8_t style_bits, std::string_view run);

// Distance between the baselines of two lines, in text heights: one cell.
double TrueTypeLinePitch();

}  // namespace vxh
