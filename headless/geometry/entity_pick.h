// Hit tests: how far a point is from an entity (texts count as their box,
// filled; containers as their nearest member), and EPick, which compares
// that with the pick tolerance of the current view.
#pragma once

#include <optional>

#include "headless/geometry/plane.h"
#include "host/kv_types.h"

namespace vxh {

// None for entities without an outline (kind 11, dimensions, empty paths).
std::optional<double> DistanceToEntity(vx::Entity entity, const P2& p);

bool WithinPick(vx::Entity entity, const P2& p, double tolerance);

}  // namespace vxh
