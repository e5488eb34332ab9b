// VXROTATE and VXROTATE2: turn the selection about an origin by the cursor's
// direction (less the reference direction), 15-degree steps with SHIFT.
#include "frame/modifier_keys.h"
#include "frame/pack_state.h"
#include "host/drag_view.h"
#include "host/host_api.h"
#include "host/pack_constants.h"
#include "transform/angle_snap.h"
#include "transform/drag_drawing.h"
#include "transform/drag_feedback.h"
#include "transform/selection_set.h"
#include "transform/transform_commands.h"
#include "transform/transform_requests.h"

namespace vx {

namespace {

constexpr char kOriginPrompt[] = "Rotate origin: ";
constexpr char kReferencePrompt[] = "Rotate reference point: ";
constexpr char kRotateToPrompt[] = "Rotate to (SHIFT = 15\xB0 snap): ";
// A typed angle points this far from the origin.
constexpr double kTypedDirectionLength = 1.0;

RotateState& State() { return Pack().transform.rotate; }

double TurnTowards(const Vec2& p) {
  RotateState& s = State();
  const double angle = Angle(s.origin.data(), p.data()) - s.reference_angle;
  return ShiftHeld() ? SnapAngle15(angle) : angle;
}

StoredMatrix RotationAbout(const Vec2& o, double angle) {
  CTMI2();
  CTMT2(-o[0], -o[1]);
  CTMR2(angle);
  CTMT2(o[0], o[1]);
  StoredMatrix m;
  STCTM(m.data());
  CTMI2();
  return m;
}

void RotateDrag(DragView* view) {
  RotateState& s = State();
  const Vec3 raw = CursorPoint();
  const Vec3 cursor = SnappedCursor(kSnapForDrag);
  const Vec2 p{cursor[0], cursor[1]};
  // Deliberately exact: only a cursor that has not moved is skipped.
  if (s.first_call || p != s.last) {
    s.angle = TurnTowards(p);
    s.rubber = {s.origin, p};
    s.matrix = RotationAbout(s.origin, s.angle);
    s.last = p;
    s.first_call = false;
  }
  s.previewed = {{raw[0], raw[1]}, true};
  PreviewSelection(view, s.matrix);
  ResetLineSetting2(view);
  DrawRubberLine2(view, s.rubber[0], s.rubber[1]);
  DrawDragFeedback(view, p.data(), kFeedbackAngle, &s.angle, nullptr, nullptr);
  XHReqCsr(view);
}

void Rotated(int status) {
  RotateState& s = State();
  if (status == kStatusNumber) {
    const double degrees = s.target[0];
    PConv2(s.origin.data(), kTypedDirectionLength, degrees * kPackPi / 180, s.target.data());
    status = kStatusAnswered;
  }
  if (status != kStatusAnswered) {
    RestoreErased();
    FreeSelection();
    return CmdEnd();
  }
  const StoredMatrix m = s.previewed.Is(s.target) ? s.matrix : RotationAbout(s.origin, TurnTowards(s.target));
  BeginCommitStep();
  CommitInPlace(m);
  FreeSelection();
  CmdEnd();
}

void StartRotating() {
  CollectSelection(true);
  State().first_call = true;
  State().previewed.valid = false;
  ReqData(kReqPoint2, State().target.data(), kRotateToPrompt, DragMode(RotateDrag), Rotated, kReqAcceptNumber, 0);
}

void ReferenceGiven(int status) {
  if (status != kStatusAnswered) return EndRedrawingSelection();
  RotateState& s = State();
  s.reference_angle = Angle(s.origin.data(), s.reference.data());
  StartRotating();
}

void OriginGiven(int status) {
  if (status != kStatusAnswered) return EndRedrawingSelection();
  RotateState& s = State();
  if (!s.with_reference) {
    s.reference_angle = 0;
    return StartRotating();
  }
  SetCursorOrg2(s.origin[0], s.origin[1]);
  ReqData(kReqPoint2, s.reference.data(), kReferencePrompt, kModeRubberLine, ReferenceGiven, 0, 0);
}

void Selected(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  ReqData(kReqPoint2, State().origin.data(), kOriginPrompt, kModePlain, OriginGiven, 0, 0);
}

void Start(bool with_reference) {
  State().with_reference = with_reference;
  AskSelection(Selected);
}

}  // namespace

void RotateCommand() { Start(false); }
void Rotate2Command() { Start(true); }

}  // namespace vx
