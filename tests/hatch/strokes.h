// Script text for paint strokes of the scan/paint hatch.
#pragma once

#include <charconv>
#include <string>
#include <vector>

namespace vxh::testing {

struct StrokePoint {
  double x, y;
};

// The shortest text that reads back as the same doubles.
inline std::string PointText(StrokePoint p) {
  char text[64];
  char* end = std::to_chars(text, text + 32, p.x).ptr;
  *end++ = ',';
  end = std::to_chars(end, text + sizeof text, p.y).ptr;
  return std::string(text, end);
}

// One stroke: the button goes down at the first point, the cursor moves
// through the others and the button goes up at the last.
inline std::string Stroke(const std::vector<StrokePoint>& points) {
  std::string s = "<down " + PointText(points.front()) + ">;";
  for (std::size_t i = 1; i + 1 < points.size(); ++i) s += "<move " + PointText(points[i]) + ">;";
  return s + "<up " + PointText(points.back()) + ">;";
}

}  // namespace vxh::testing
