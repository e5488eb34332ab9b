// The host's extents box (52 bytes: six doubles and a valid flag) as the fill
// methods read it: the plane part, usable only when valid and finite.
#pragma once

#include <cmath>
#include <cstdint>

#include "host/entity_layout.h"
#include "host/record.h"

namespace vx {

struct ExtentsBox {
  double min_x, min_y, max_x, max_y;
};

inline bool ReadExtentsBox(const std::uint8_t* box, ExtentsBox& out) {
  if (GetU32(box, kBoxValid) == 0) return false;
  out = {GetF64(box, kBoxMinX), GetF64(box, kBoxMinY), GetF64(box, kBoxMaxX), GetF64(box, kBoxMaxY)};
  return std::isfinite(out.min_x) && std::isfinite(out.min_y) && std::isfinite(out.max_x) && std::isfinite(out.max_y);
}

}  // namespace vx
