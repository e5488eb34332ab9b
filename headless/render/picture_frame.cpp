#include "headless/render/picture_frame.h"
#include "headless/tolerances.h"

#include <algorithm>
#include <cmath>

namespace vxh {

namespace {

constexpr double kMarginFraction = 0.05;
constexpr double kMarginPixels = 16;
// The narrow side of a drawing is shown at least this part of the wide one.
constexpr double kNarrowestSide = 0.05;
constexpr double kEmptyWindow = 10;

Box2 Shown(const Box2& extents) {
  if (extents.Empty() || !std::isfinite(extents.x0) || !std::isfinite(extents.y0) || !std::isfinite(extents.x1) ||
      !std::isfinite(extents.y1))
    return {0, 0, kEmptyWindow, kEmptyWindow};
  Box2 b = extents;
  const double wide = std::max(b.x1 - b.x0, b.y1 - b.y0);
  const double least = wide < tol::kSmallestSpan ? kEmptyWindow : wide * kNarrowestSide;
  const auto widen = [least](double& lo, double& hi) {
    if (hi - lo >= least) return;
    const double mid = lo / 2 + hi / 2;
    lo = mid - least / 2, hi = mid + least / 2;
  };
  widen(b.x0, b.x1);
  widen(b.y0, b.y1);
  return b;
}

}  // namespace

PictureFrame FitPicture(const Box2& extents, double max_width, double max_height) {
  const Box2 e = Shown(extents);
  const double span_x = e.x1 - e.x0, span_y = e.y1 - e.y0;
  const double margin = std::max(kMarginPixels, kMarginFraction * std::min(max_width, max_height));
  const double scale = std::min((max_width - 2 * margin) / span_x, (max_height - 2 * margin) / span_y);

  PictureFrame frame;
  frame.scale = scale;
  frame.width = std::ceil(span_x * scale + 2 * margin);
  frame.height = std::ceil(span_y * scale + 2 * margin);
  frame.offset_x = (frame.width - span_x * scale) / 2 - e.x0 * scale;
  frame.offset_y = frame.height - (frame.height - span_y * scale) / 2 + e.y0 * scale;
  return frame;
}

}  // namespace vxh
