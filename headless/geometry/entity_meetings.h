// All points where two entities meet, in order along the first (FindAllInts
// without the host's result buffer).
#pragma once

#include <vector>

#include "headless/geometry/plane.h"
#include "host/kv_types.h"

namespace vxh {

// The points as x, y, z triples (z 0), in order along the first entity.
void EntityMeetings(vx::Entity a, vx::Entity b, const char* operation, std::vector<double>& xyz);

}  // namespace vxh
