// The shear along an axis, built through the host's matrix stack.
#pragma once

#include "transform/transform_state.h"

namespace vx {

// The shear of the axis frame (origin at axis_end, x along start -> end)
// that keeps the axis and carries the point of the perpendicular through
// axis_end at the target's distance from the axis onto the target.
StoredMatrix ShearMatrix(const Vec2& axis_start, const Vec2& axis_end, const Vec2& target);

// The stored double that acts as x' = x + k * y.
inline constexpr std::size_t kShearTerm = 1;

}  // namespace vx
