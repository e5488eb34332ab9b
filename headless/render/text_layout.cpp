#include "headless/render/text_layout.h"

#include <algorithm>
#include <string_view>

#include "headless/fonts/stroke_metrics.h"
#include "headless/fonts/text_metrics.h"
#include "headless/fonts/truetype_metrics.h"
#include "host/settings_layout.h"

namespace vxh {

namespace {

// Lines of a stroke text are one and a half heights apart, as the text box
// of the fonts module measures them.
constexpr double kStrokeLinePitch = 1.5;

// In text heights, width factor 1.
double RunLength(const FontChoice& font, std::uint8_t style_bits, std::string_view line) {
  if (font.type == vx::kFontTrueType) return TrueTypeRunLength(font.name, style_bits, line);
  return StrokeRunLength(font.name, line);
}

}  // namespace

TextLayout LayOutText(const TextRun& run, const FontChoice& font) {
  TextLayout layout;
  const double pitch = (font.type == vx::kFontTrueType ? TrueTypeLinePitch() : kStrokeLinePitch) * run.height;
  for (std::string_view line : TextLines(run.text)) {
    const double width = RunLength(font, run.style_bits, line) * run.height * run.width_factor;
    layout.width = std::max(layout.width, width);
    layout.lines.push_back({std::string(line), 0, 0, width});
  }
  const int justify = NormalJustification(run.justify);
  const int across = justify % 3, up = justify / 3;
  layout.height = run.height + pitch * static_cast<double>(layout.lines.size() - 1);
  layout.left = -layout.width * across / 2;
  layout.bottom = -layout.height * up / 2;
  const double first_baseline = layout.bottom + layout.height - run.height;
  for (std::size_t i = 0; i < layout.lines.size(); ++i) {
    LaidLine& line = layout.lines[i];
    line.x = -line.width * across / 2;
    line.y = first_baseline - pitch * static_cast<double>(i);
  }
  return layout;
}

Matrix TextFrame(const TextRun& run) {
  return Compose(RotationZ(run.angle), Translation(run.origin.x, run.origin.y, 0));
}

std::array<P2, 4> TextCorners(const TextRun& run, const TextLayout& layout) {
  const Matrix frame = TextFrame(run);
  const double x0 = layout.left, y0 = layout.bottom;
  const double x1 = x0 + layout.width, y1 = y0 + layout.height;
  std::array<P2, 4> corners = {P2{x0, y0}, P2{x1, y0}, P2{x1, y1}, P2{x0, y1}};
  for (P2& c : corners) Apply2(frame, c.x, c.y);
  return corners;
}

}  // namespace vxh
