#include "cut/circle_drag.h"

#include <cmath>

#include "frame/modifier_keys.h"
#include "frame/pack_state.h"
#include "host/drag_view.h"
#include "host/host_api.h"
#include "transform/drag_drawing.h"

namespace vx {

void StartCircleDrag(CircleDragState& s, const Vec2& centre) {
  s.centre = centre;
  s.last = centre;
  s.radius = 0;
}

void StepCircleDrag(CircleDragState& s, const Vec2& p, bool shift) {
  if (shift) {
    s.centre[0] += p[0] - s.last[0];
    s.centre[1] += p[1] - s.last[1];
  } else {
    s.radius = std::hypot(p[0] - s.centre[0], p[1] - s.centre[1]);
  }
  s.last = p;
}

void CircleBoundaryDrag(DragView* view) {
  CircleDragState& s = Pack().cut.cut.circle_drag;
  const Vec3 p = CursorPoint();
  StepCircleDrag(s, Vec2{p[0], p[1]}, ShiftHeld());
  GetGDraw2()->circle(view, s.centre.data(), s.radius);
  XHReqCsr(view);
}

}  // namespace vx
