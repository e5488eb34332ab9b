#include "headless/fonts/hershey_convert.h"

#include <algorithm>
#include <climits>

#include "headless/fonts/stroke_compose.h"
#include "headless/host_error.h"

namespace vxh {

namespace {

constexpr int kLastCode = 126;   // 127 is DEL, not a character to draw
constexpr int kGridLimit = 126;  // x 127 cannot end a line; y kept alike

int LowestPoint(const std::vector<HersheyGlyph>& glyphs) {
  int lowest = INT_MIN;
  for (const HersheyGlyph& g : glyphs)
    for (const auto& stroke : g.strokes)
      for (const HersheyPoint& p : stroke) lowest = std::max(lowest, p.y);
  return lowest;
}

int LeftEdge(const HersheyGlyph& g) {
  int left = g.left;
  for (const auto& stroke : g.strokes)
    for (const HersheyPoint& p : stroke) left = std::min(left, p.x);
  return left;
}

std::uint8_t GridValue(int value, int code, const std::string& source) {
  if (value < 0 || value > kGridLimit)
    throw BadInput(source + ": character " + std::to_string(code) + " does not fit the stroke font grid");
  return static_cast<std::uint8_t>(value);
}

struct Placement {
  int y_flip;  // font y = y_flip - hershey y
  const std::string& source;
};

void ConvertGlyph(const HersheyGlyph& g, int code, const Placement& place, StrokeFont& font) {
  // Vertices left of the left bound would need negative x; the glyph then
  // starts at its leftmost vertex instead.
  const int origin = LeftEdge(g);
  font.advance[static_cast<std::size_t>(code)] =
      static_cast<std::int8_t>(GridValue(g.right - origin, code, place.source));
  auto& records = font.glyphs[static_cast<std::size_t>(code)];
  for (const auto& stroke : g.strokes) {
    StrokeRecord::Kind kind = StrokeRecord::kMove;
    for (const HersheyPoint& p : stroke) {
      records.push_back(
          {kind, GridValue(p.x - origin, code, place.source), GridValue(place.y_flip - p.y, code, place.source)});
      kind = StrokeRecord::kLine;
    }
    // A single vertex is a dot: a line of no length.
    if (stroke.size() == 1) records.push_back({StrokeRecord::kLine, records.back().x, records.back().y});
  }
}

}  // namespace

StrokeFont StrokeFontFromHershey(const std::vector<HersheyGlyph>& glyphs, int first_code, const std::string& source) {
  const int h_index = 'H' - first_code;
  if (h_index < 0 || static_cast<std::size_t>(h_index) >= glyphs.size() || glyphs[h_index].strokes.empty())
    throw BadInput(source + ": the font has no \"H\" to take its height from");
  int cap_top = INT_MAX, foot = INT_MIN;
  for (const auto& stroke : glyphs[h_index].strokes)
    for (const HersheyPoint& p : stroke) {
      cap_top = std::min(cap_top, p.y);
      foot = std::max(foot, p.y);
    }
  if (foot <= cap_top) throw BadInput(source + ": the \"H\" has no height");
  const Placement place{LowestPoint(glyphs), source};
  StrokeFont font;
  font.em_size = static_cast<std::int16_t>(foot - cap_top);
  font.baseline = static_cast<std::int16_t>(place.y_flip - foot);
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    const int code = first_code + static_cast<int>(i);
    if (code < 1 || code > kLastCode) continue;
    ConvertGlyph(glyphs[i], code, place, font);
  }
  ComposeCp1252Glyphs(font);
  return font;
}

}  // namespace vxh
