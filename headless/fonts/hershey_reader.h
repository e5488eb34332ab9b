// Reads Hershey fonts in the .jhf text form: per glyph a 5-column number, a
// 3-column vertex count, the left and right bounds and the vertices, each a
// pair of letters offset from 'R' (y grows downwards); " R" lifts the pen.
// A glyph may continue on the following lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vxh {

struct HersheyPoint {
  int x = 0;
  int y = 0;
};

struct HersheyGlyph {
  int left = 0;
  int right = 0;
  std::vector<std::vector<HersheyPoint>> strokes;  // each a pen-down polyline
};

// Glyphs in file order. Throws BadInput naming the source and line on a
// short or malformed header, a bad coordinate or a glyph cut off by the end
// of the text.
std::vector<HersheyGlyph> ReadHershey(std::string_view text, const std::string& source);

}  // namespace vxh
