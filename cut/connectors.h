// The two callout lines that join a detail's boundary to its enlarged copy.
#pragma once

#include <array>
#include <vector>

#include "host/kv_types.h"
#include "host/point_types.h"

namespace vx {

struct Connector {
  Point2 from;  // on the boundary
  Point2 to;    // on its copy
};

// Circles: the two outer common tangents. When one circle lies inside the
// other, or both share their centre, there are none and nothing is returned.
// Polygons: the two lines joining corresponding vertices that keep the other
// vertices on one side (greatest smallest, smallest greatest signed distance).
// Other kinds: none.
std::vector<Connector> ConnectorsOf(Entity boundary, Entity copy);

}  // namespace vx
