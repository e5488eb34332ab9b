// VXSCALE scales the selection about an origin by mouse movement (relative
// to the view, or to a reference distance set with SHIFT; X and Y apart with
// CTRL) or by a typed factor. VXSHEAR shears it along an axis so that the
// cursor is reached from the axis' second point.
#include <cmath>

#include "frame/modifier_keys.h"
#include "frame/pack_state.h"
#include "host/drag_view.h"
#include "host/host_api.h"
#include "transform/angle_snap.h"
#include "transform/drag_drawing.h"
#include "transform/drag_feedback.h"
#include "transform/selection_set.h"
#include "transform/shear_matrix.h"
#include "transform/transform_commands.h"
#include "transform/transform_requests.h"

namespace vx {

namespace {

constexpr char kScaleOriginPrompt[] = "Scale origin: ";
constexpr char kScalePrompt[] = "Scale (SHIFT = move ref, CTRL = Independent X/Y): ";
constexpr char kAxisFirstPrompt[] = "Shear axis - first point: ";
constexpr char kAxisSecondPrompt[] = "Shear axis - second point: ";
constexpr char kShearPrompt[] = "Shear to point: ";
// A reference set with the cursor on the origin would divide by zero.
constexpr double kSmallestReference = 0.01;

ScaleState& Scaling() { return Pack().transform.scale; }
ShearState& Shearing() { return Pack().transform.shear; }

double Distance3(const Vec3& a, const Vec3& b) {
  return std::sqrt((b[0] - a[0]) * (b[0] - a[0]) + (b[1] - a[1]) * (b[1] - a[1]) + (b[2] - a[2]) * (b[2] - a[2]));
}

void FollowView(ScaleState& s, const Vec3& p, DragView* view) {
  const double fy = VerticalStep(p[1] - s.last[1], ViewHeight(view));
  s.factors[1] *= fy;
  if (CtrlHeld()) {
    s.factors[0] *= HorizontalStep(p[0] - s.last[0], ViewWidth(view));
  } else {
    s.factors[2] *= fy;
    s.factors[0] *= fy;
  }
}

void FollowReference(ScaleState& s, const Vec3& p) {
  if (CtrlHeld()) {
    s.factors[0] *= RelativeStep((p[0] - s.last[0]) / s.reference);
    s.factors[1] *= RelativeStep((p[1] - s.last[1]) / s.reference);
    return;
  }
  const double g = RelativeStep((Distance3(s.origin, p) - Distance3(s.origin, s.last)) / s.reference);
  for (double& f : s.factors) f *= g;
}

StoredMatrix ScalingAbout(const Vec3& o, const Vec3& f) {
  CTMI3();
  CTMT3(-o[0], -o[1], -o[2]);
  CTMS3(f[0], f[1], f[2]);
  CTMT3(o[0], o[1], o[2]);
  StoredMatrix m;
  STCTM(m.data());
  CTMI3();
  return m;
}

void ComputeScale(ScaleState& s, const Vec3& p, DragView* view) {
  if (ShiftHeld()) {
    s.reference = Distance3(s.origin, p);
    // Deliberately exact: only a cursor on the origin itself has no distance.
    if (s.reference == 0) s.reference = kSmallestReference;
    s.reference_line = {s.origin, p};
  } else if (s.reference == 0) {
    FollowView(s, p, view);
  } else {
    FollowReference(s, p);
  }
  s.rubber = {s.origin, p};
  s.matrix = ScalingAbout(s.origin, s.factors);
  s.last = p;
  s.first_call = false;
}

void ScaleDrag(DragView* view) {
  ScaleState& s = Scaling();
  const Vec3 p = SnappedCursor(kSnapForDrag);
  if (s.first_call) s.last = p;
  // Deliberately exact: only a cursor that has not moved is skipped.
  if (s.first_call || p != s.last) ComputeScale(s, p, view);
  PreviewSelection(view, s.matrix);
  DrawRubberLine3(view, s.origin, p);
  if (s.reference != 0) DrawRubberLine3(view, s.reference_line[0], s.reference_line[1]);
  DrawDragFeedback(view, p.data(), kFeedbackScale, &s.factors[0], &s.factors[1], nullptr);
  XHReqCsr3(view);
}

void Scaled(int status) {
  ScaleState& s = Scaling();
  if (status == kStatusNumber) {
    s.factors.fill(s.target[0]);
    status = kStatusAnswered;
  }
  if (status != kStatusAnswered) {
    RestoreErased();
    FreeSelection();
    return CmdEnd();
  }
  const StoredMatrix m = ScalingAbout(s.origin, s.factors);
  BeginCommitStep();
  CommitInPlace(m);
  FreeSelection();
  CmdEnd();
}

void ScaleOriginGiven(int status) {
  if (status != kStatusAnswered) return EndRedrawingSelection();
  ScaleState& s = Scaling();
  s.factors = {1.0, 1.0, 1.0};
  s.reference = 0;
  s.first_call = true;
  s.matrix = ScalingAbout(s.origin, s.factors);
  CollectSelection(true);
  ReqData(kReqPoint3, s.target.data(), kScalePrompt, DragMode(ScaleDrag), Scaled, kReqAcceptNumber, 0);
}

void ScaleSelected(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  ReqData(kReqPoint3, Scaling().origin.data(), kScaleOriginPrompt, kModeFromPoint, ScaleOriginGiven, 0, 0);
}

void ShearDrag(DragView* view) {
  ShearState& s = Shearing();
  const Vec3 raw = CursorPoint();
  const Vec3 cursor = SnappedCursor(kSnapForDrag);
  const Vec2 p{cursor[0], cursor[1]};
  s.rubber = {s.axis_end, p};
  s.matrix = ShearMatrix(s.axis_start, s.axis_end, p);
  s.previewed = {{raw[0], raw[1]}, true};
  PreviewSelection(view, s.matrix);
  ResetLineSetting2(view);
  DrawRubberLine2(view, s.rubber[0], s.rubber[1]);
  DrawRubberLine2(view, s.axis_start, s.axis_end);
  XHReqCsr(view);
}

void Sheared(int status) {
  ShearState& s = Shearing();
  if (status != kStatusAnswered) {
    RestoreErased();
    FreeSelection();
    return CmdEnd();
  }
  const StoredMatrix m = s.previewed.Is(s.target) ? s.matrix : ShearMatrix(s.axis_start, s.axis_end, s.target);
  BeginCommitStep();
  CommitInPlace(m);
  FreeSelection();
  CmdEnd();
}

void AxisEndGiven(int status) {
  if (status != kStatusAnswered) return EndRedrawingSelection();
  Shearing().previewed.valid = false;
  CollectSelection(true);
  ReqData(kReqPoint2, Shearing().target.data(), kShearPrompt, DragMode(ShearDrag), Sheared, 0, 0);
}

void AxisStartGiven(int status) {
  if (status != kStatusAnswered) return EndRedrawingSelection();
  ShearState& s = Shearing();
  SetCursorOrg2(s.axis_start[0], s.axis_start[1]);
  ReqData(kReqPoint2, s.axis_end.data(), kAxisSecondPrompt, kModeRubberLine, AxisEndGiven, kReqFlag2, 0);
}

void ShearSelected(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  ReqData(kReqPoint2, Shearing().axis_start.data(), kAxisFirstPrompt, kModePlain, AxisStartGiven, 0, 0);
}

}  // namespace

void ScaleCommand() { AskSelection(ScaleSelected); }
void ShearCommand() { AskSelection(ShearSelected); }

}  // namespace vx
