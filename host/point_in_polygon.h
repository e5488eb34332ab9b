// The inside test of a closed path against a vertical ray, as the smart and
// scan hatches use it to find the boundary around a point.
#pragma once

#include <cstdint>

#include "host/point_types.h"

namespace vx {

// polygon_data is the kind-specific part of a path or polygon record: a u16
// vertex count, then x, y doubles per vertex; the last vertex joins the first.
// Counts the edges that a ray from p toward +y crosses strictly above p.
// Vertical edges never count, and a vertex on the ray's line counts once (for
// the edge whose other end lies to the right), so the ray through a vertex
// neither doubles nor drops a crossing. A point exactly on an edge is not
// crossed by that edge (the edge's y must be strictly above), so on the sides
// of an axis-aligned box the bottom and left sides come out inside and the top
// and right sides outside; on a sloped edge the computed y may miss p.y in the
// last bit, either way.
bool PointInPolygon(const std::uint8_t* polygon_data, Point2 p);

}  // namespace vx
