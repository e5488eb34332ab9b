// The geometry of an entity record as a Shape: every kind that has an
// outline. Texts are their box; containers the pieces of their members
// (symbols carried to the drawing by their instance transform).
#pragma once

#include <optional>

#include "headless/geometry/shape.h"
#include "host/kv_types.h"

namespace vxh {

// None for kinds without an outline (kind 11, dimensions, the text-like
// kinds) and for empty paths and curves. Records too short for their data
// are a HostFault naming `operation`.
std::optional<Shape> ShapeOf(vx::Entity entity, const char* operation);

// The same, limited to kinds that carry a parameter (EGet, ESplit): no
// points, texts or containers.
std::optional<Shape> MeasurableShapeOf(vx::Entity entity, const char* operation);

bool IsCurvedKind(int kind);  // 8, 9, 26, 27, 45 and walls

}  // namespace vxh
