// LenText2 and XCheckGText2: a text's length and its extents in the drawing.
#include <algorithm>

#include "headless/fonts/text_metrics.h"
#include "headless/geometry/text_geometry.h"
#include "host/host_api.h"

namespace vx {

extern "C" {

double KVAPI LenText2(const std::uint8_t* text_record) { return vxh::TextLength(text_record); }

// min and max receive x, y: the axis-aligned box of the rotated text box.
void KVAPI XCheckGText2(const std::uint8_t* text_record, double* min, double* max) {
  // The geometry kernel takes records as vx::Entity; the corners only read it.
  const auto corners = vxh::ApproximateTextCorners(const_cast<std::uint8_t*>(text_record));
  min[0] = max[0] = corners[0].x;
  min[1] = max[1] = corners[0].y;
  for (const auto& c : corners) {
    min[0] = std::min(min[0], c.x), min[1] = std::min(min[1], c.y);
    max[0] = std::max(max[0], c.x), max[1] = std::max(max[1], c.y);
  }
}

}  // extern "C"

}  // namespace vx
