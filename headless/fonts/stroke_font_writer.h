// Writes a stroke font in the host's file layout (docs/fonts.md).
#pragma once

#include <cstdint>
#include <vector>

#include "headless/fonts/stroke_font.h"

namespace vxh {

// Throws BadInput when the font cannot be expressed in the layout: a
// coordinate past 127, a line ending at x 127 (its first byte would read as
// the end mark), an advance for code 0, or stroke lists beyond the reach of
// the 16-bit offsets.
std::vector<std::uint8_t> WriteStrokeFont(const StrokeFont& font);

}  // namespace vxh
