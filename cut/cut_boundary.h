// The closed boundaries of VXCUT: the circle and box records the command
// builds, and which side of a boundary a point lies on.
#pragma once

#include <array>
#include <cstdint>

#include "host/entity_layout.h"
#include "host/kv_types.h"
#include "host/point_types.h"

namespace vx {

void FillCircleBoundary(std::array<std::uint8_t, kCircleSize>& record, Point2 centre, double radius);
// Corner 1, (x1, y2), corner 2, (x2, y1), corner 1 again.
void FillBoxBoundary(std::array<std::uint8_t, kBoxSize>& record, Point2 corner1, Point2 corner2);

// Strictly inside a circle; inside a polygon by the upward ray rule; a
// boundary of any other kind contains nothing.
bool BoundaryContains(const std::uint8_t* boundary, Point2 p);

// The point that stands for an entity in the inside test: a text's origin, a
// symbol's insertion point, otherwise the middle of the entity, or the centre
// of its extents when it has no parameter. False when it has neither.
bool TestPointOf(Entity entity, Point2& p);

// An extents box read out of EXCheck's record.
struct Extents {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  bool valid = false;
};
Extents ExtentsOf(Entity entity);
// Strict: boxes that only touch do not overlap.
bool Overlap(const Extents& a, const Extents& b);

}  // namespace vx
