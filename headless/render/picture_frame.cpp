#include "headless/render/picture_frame.h"

#include <algorithm>

namespace vxh {

namespace {

constexpr double kMarginFraction = 0.05;
constexpr double kSmallestSpan = 1e-9;

}  // namespace

void Extents::Add(double x, double y) {
  if (!valid) {
    min_x = max_x = x;
    min_y = max_y = y;
    valid = true;
    return;
  }
  min_x = std::min(min_x, x);
  max_x = std::max(max_x, x);
  min_y = std::min(min_y, y);
  max_y = std::max(max_y, y);
}

void Extents::AddCircle(double cx, double cy, double r) {
  Add(cx - r, cy - r);
  Add(cx + r, cy + r);
}

PictureFrame FitPicture(const Extents& extents, double max_width, double max_height) {
  Extents e = extents;
  if (!e.valid) e = {0, 0, 10, 10, true};
  const double span_x = std::max(e.max_x - e.min_x, kSmallestSpan);
  const double span_y = std::max(e.max_y - e.min_y, kSmallestSpan);
  const double usable = 1 - 2 * kMarginFraction;
  const double scale = std::min(max_width * usable / span_x, max_height * usable / span_y);

  PictureFrame frame;
  frame.scale = scale;
  frame.width = std::max(1.0, span_x * scale / usable);
  frame.height = std::max(1.0, span_y * scale / usable);
  frame.offset_x = (frame.width - span_x * scale) / 2 - e.min_x * scale;
  frame.offset_y = frame.height - (frame.height - span_y * scale) / 2 + e.min_y * scale;
  return frame;
}

}  // namespace vxh
