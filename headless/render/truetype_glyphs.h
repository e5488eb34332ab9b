// Lines of text in TrueType fonts, as filled glyph outlines from FreeType
// through the host's Windows font services.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "headless/render/path_builder.h"

namespace vxh {

// Adds the outlines of one line's glyphs to the path: the pen starts at
// (0, 0) of the builder's frame, y up. The glyphs are those of the font the
// pack's explode uses (cell height 360, average width 140), scaled by
// height / 250 upwards and height × width factor / 276 along the baseline,
// so they advance exactly as the text metrics measure the line. Style bits:
// 0x10 bold, 0x20 italic, 0x40 underline, 0x80 strike-out.
void AddTrueTypeLine(PathBuilder& path, const std::string& font_name, std::uint8_t style_bits, std::string_view line,
                     double height, double width_factor);

}  // namespace vxh
