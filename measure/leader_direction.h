// The direction of an arc dimension's leader, found from the line, path or
// polygon edge the user picked on.
#pragma once

#include <optional>

#include "host/drawing_list.h"
#include "measure/measure_state.h"

namespace vx {

// The angle from the picked point towards the nearest point of the nearest
// line, path or polygon within 4 pixels of the raw pick position; none when
// nothing is that near.
std::optional<double> LeaderDirection(DList* work, const Vec2& picked);

}  // namespace vx
