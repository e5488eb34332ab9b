// Which entity a scripted pick or selection reaches, through the geometry
// kernel: a pick takes the entity nearest to the point (texts by their box,
// containers by their members); window and crossing selections compare the
// entity's outline, curves as fine chords, with the box. Kinds without an
// outline (kind 11, dimensions) are never hit.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "host/kv_types.h"

namespace vxh {

class EntityList;

struct PickBox {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // x1 <= x2, y1 <= y2
};

struct Outline {
  // Polylines; a single point is a polyline of one point.
  std::vector<std::vector<std::array<double, 2>>> chains;
};

// Nothing for kinds the provisional picker does not know or a record too
// short for its kind.
std::optional<Outline> OutlineOf(const std::uint8_t* record);

double DistanceTo(const Outline& outline, double x, double y);
bool InsideBox(const Outline& outline, const PickBox& box);
bool TouchesBox(const Outline& outline, const PickBox& box);

// The nearest entity of the list within the tolerance that `eligible`
// accepts; on a tie the earlier one. Null when none.
vx::Entity NearestEntity(const EntityList& list, double x, double y, double tolerance,
                         const std::function<bool(vx::Entity)>& eligible);

}  // namespace vxh
