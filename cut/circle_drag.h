// The drag of the circle boundary's radius prompt: the cursor sets the
// radius, SHIFT carries the centre with the cursor instead.
#pragma once

#include "cut/cut_state.h"
#include "host/kv_types.h"

namespace vx {

void StartCircleDrag(CircleDragState& state, const Vec2& centre);
// One step from the unsnapped cursor p: moves the centre by p - L with SHIFT,
// else sets the radius; L becomes p.
void StepCircleDrag(CircleDragState& state, const Vec2& p, bool shift);

// The drag routine handed to the radius request.
void CircleBoundaryDrag(DragView* view);

}  // namespace vx
