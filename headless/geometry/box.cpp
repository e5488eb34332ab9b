#include "headless/geometry/box.h"

#include <algorithm>

#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

namespace {

void WidenAxis(std::uint8_t* box, std::size_t min_at, std::size_t max_at, double v) {
  vx::PutF64(box, min_at, std::min(vx::GetF64(box, min_at), v));
  vx::PutF64(box, max_at, std::max(vx::GetF64(box, max_at), v));
}

}  // namespace

bool BoxValid(const std::uint8_t* box) { return vx::GetU32(box, vx::kBoxValid) != 0; }

void WidenBox(std::uint8_t* box, double x, double y, double z) {
  if (!BoxValid(box)) {
    vx::PutF64(box, vx::kBoxMinX, x);
    vx::PutF64(box, vx::kBoxMinY, y);
    vx::PutF64(box, vx::kBoxMinZ, z);
    vx::PutF64(box, vx::kBoxMaxX, x);
    vx::PutF64(box, vx::kBoxMaxY, y);
    vx::PutF64(box, vx::kBoxMaxZ, z);
    vx::PutU32(box, vx::kBoxValid, 1);
    return;
  }
  WidenAxis(box, vx::kBoxMinX, vx::kBoxMaxX, x);
  WidenAxis(box, vx::kBoxMinY, vx::kBoxMaxY, y);
  WidenAxis(box, vx::kBoxMinZ, vx::kBoxMaxZ, z);
}

void WidenBox2(std::uint8_t* box, double x, double y) {
  if (!BoxValid(box)) {
    WidenBox(box, x, y, 0);
    return;
  }
  WidenAxis(box, vx::kBoxMinX, vx::kBoxMaxX, x);
  WidenAxis(box, vx::kBoxMinY, vx::kBoxMaxY, y);
}

}  // namespace vxh
