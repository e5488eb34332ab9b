// A vertical scan line across the boundary's extents in hatch space, with
// the line record that the host's intersection operations take.
#pragma once

#include <cstdint>

#include "host/entity_layout.h"

namespace vx {

struct ScanLine {
  double x = 0;
  double p1[2] = {0, 0};  // (x, minimum y of the box)
  double p2[2] = {0, 0};  // (x, maximum y of the box)
  std::uint8_t record[kLineSize] = {};
};

void SetScanLine(ScanLine& scan, double x, double min_y, double max_y);

}  // namespace vx
