// One set of parallel, equidistant hatch lines as the scan fill takes it.
#pragma once

#include <cstdint>

#include "host/kv_types.h"

namespace vx {

struct LineFamily {
  double spacing = 0;            // between neighbouring lines, before scaling
  double shift = 0;              // dash pattern movement from one line to the next
  double origin_x = 0;           // a point of one line, in hatch space: x places the
  double origin_y = 0;           // lines across, y is the dash phase
  const double* back = nullptr;  // 16 doubles: hatch space to drawing space
  std::uint16_t line_style = 0;
  int dash_count = 0;  // 0: continuous
  float period = 0;
  const float* dashes = nullptr;
  Entity source = nullptr;  // attribute source; none: the current attributes
  double scale = 1;
};

}  // namespace vx
