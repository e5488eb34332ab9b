// Which entity a scripted pick or selection reaches. Provisional: the simple
// kinds (point, line, path, polygon, circle, arc; a text by its origin) are
// turned into outlines here, circles and arcs as fine polylines, until the
// geometry kernel's hit test takes over. Other kinds are never hit.
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
  std::vector<std::array<double, 2>> points;  // a polyline; one point for points and texts
};

// Segments a full circle is drawn with for picking.
inline constexpr int kCircleSegments = 256;

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
