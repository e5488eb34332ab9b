// All points where two entities meet, in order along the first (FindAllInts
// without the host's result buffer).
#pragma once

#include <vector>

#include "headless/geometry/plane.h"
#include "host/kv_types.h"

namespace vxh {

std::vector<P2> EntityMeetings(vx::Entity a, vx::Entity b, const char* operation);

}  // namespace vxh
