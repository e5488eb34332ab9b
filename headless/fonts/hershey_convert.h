// Turns Hershey glyphs into a host stroke font.
#pragma once

#include <string>
#include <vector>

#include "headless/fonts/hershey_reader.h"
#include "headless/fonts/stroke_font.h"

namespace vxh {

// glyphs[i] becomes character code first_code + i (codes past 126 are left
// out); the characters of code page 1252 past 127 are then composed from
// them (stroke_compose.h). The em size is the height of "H" (so capitals are one text height
// tall) and the baseline its foot. Throws BadInput when "H" is missing or a
// glyph does not fit the 0..127 grid of the file.
StrokeFont StrokeFontFromHershey(const std::vector<HersheyGlyph>& glyphs, int first_code, const std::string& source);

}  // namespace vxh
