#include "transform/placement_drag.h"

#include "frame/modifier_keys.h"
#include "host/host_api.h"
#include "transform/angle_snap.h"
#include "transform/drag_drawing.h"
#include "transform/drag_feedback.h"

namespace vx {

namespace {

bool ReadsShift(PlacementVariant variant) { return variant != PlacementVariant::kCutPiece; }
bool RubberFromF(PlacementVariant variant) { return variant == PlacementVariant::kMoveCopy; }

void Rotate(PlacementState& s, const Vec3& p) {
  s.angle = Angle(s.base.data(), p.data());
  if (!CtrlHeld()) s.angle = SnapAngle15(s.angle);
  s.feedback = kFeedbackAngle;
  s.feedback_value = &s.angle;
  s.rubber = {s.base, p};
}

void Scale(PlacementState& s, const Vec3& p, DragView* view, PlacementVariant variant) {
  s.scale *= VerticalStep(p[1] - s.last[1], ViewHeight(view));
  s.feedback = kFeedbackScale;
  s.feedback_value = &s.scale;
  s.rubber = RubberFromF(variant) ? std::array<Vec3, 2>{s.from, s.from} : std::array<Vec3, 2>{p, p};
}

void Place(PlacementState& s, const Vec3& p, PlacementVariant variant) {
  s.base = SnappedCursor(kSnapForPlacement);
  SetCursorPoint(p);
  s.rubber = RubberFromF(variant) ? std::array<Vec3, 2>{s.from, s.base} : std::array<Vec3, 2>{p, p};
}

void Compute(DragView* view, PlacementState& s, PlacementVariant variant, const Vec3& p) {
  s.feedback = kFeedbackNone;
  if (ReadsShift(variant) && ShiftHeld()) {
    Rotate(s, p);
  } else if (CtrlHeld()) {
    Scale(s, p, view, variant);
  } else {
    Place(s, p, variant);
  }
  s.matrix = PlacementMatrix(s, variant, s.base);
  s.last = p;
  s.first_call = false;
}

void DrawCursor(DragView* view, const PlacementState& s, const Vec3& p) {
  if (s.feedback != kFeedbackNone) {
    DrawDragFeedback(view, p.data(), s.feedback, s.feedback_value, nullptr, nullptr);
    XHReqCsr3(view);
    return;
  }
  // While placing, the cursor is drawn where the entities landed.
  SetCursorPoint(s.base);
  XHReqCsr3(view);
  SetCursorPoint(p);
}

}  // namespace

void StartPlacement(PlacementState& state, const Vec3& from, const Vec3& base) {
  state.from = from;
  state.base = base;
  state.angle = 0;
  state.scale = 1.0;
  state.feedback = kFeedbackNone;
  state.feedback_value = nullptr;
  state.first_call = true;
}

StoredMatrix PlacementMatrix(const PlacementState& s, PlacementVariant variant, const Vec3& base) {
  const bool keeps_stack = variant != PlacementVariant::kMoveCopy;
  if (keeps_stack) CTMPSH();
  CTMI3();
  if (variant != PlacementVariant::kPart) CTMT3(-s.from[0], -s.from[1], -s.from[2]);
  CTMR2(s.angle);
  CTMS3(s.scale, s.scale, s.scale);
  CTMT3(base[0], base[1], base[2]);
  StoredMatrix m;
  STCTM(m.data());
  if (keeps_stack) {
    CTMPOP();
  } else {
    CTMI3();
  }
  return m;
}

StoredMatrix CommittedPlacement(const PlacementState& s, PlacementVariant variant, const Vec3& given) {
  // Deliberately exact: a click reports the very cursor the drag computed for.
  if (!s.first_call && given == s.last) return s.matrix;
  return PlacementMatrix(s, variant, given);
}

void PlacementDrag(DragView* view, PlacementState& state, PlacementVariant variant, PreviewRoutine preview) {
  const Vec3 p = CursorPoint();
  // Deliberately exact: only a cursor that has not moved at all is skipped.
  if (state.first_call || p != state.last) Compute(view, state, variant, p);
  preview(view, state.matrix);
  DrawRubberLine3(view, state.rubber[0], state.rubber[1]);
  DrawCursor(view, state, p);
  SetArrowCursor();
}

void TakeTypedScale(PlacementState& state, double typed) {
  if (typed > kSmallestTypedScale) state.scale = typed;
  state.last[0] += 1.0;
}

}  // namespace vx
