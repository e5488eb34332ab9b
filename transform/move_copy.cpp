// VXMOVE and VXCOPY: pick a from point, then place it with the placement
// drag. Move ends after one placement; copy places copies until cancelled.
#include "frame/pack_state.h"
#include "host/host_api.h"
#include "transform/placement_drag.h"
#include "transform/selection_set.h"
#include "transform/transform_commands.h"
#include "transform/transform_requests.h"

namespace vx {

namespace {

constexpr char kPlacePrompt[] = "Place at (CTRL=Scale, SHIFT=15\xB0 Rotate, SHIFT+CTRL=Free Rotate):";

MoveCopyState& MoveState() { return Pack().transform.move; }
MoveCopyState& CopyState() { return Pack().transform.copy; }

void PreviewWork(DragView* view, const StoredMatrix& m) { PreviewSelection(view, m); }

void MoveDrag(DragView* view) { PlacementDrag(view, MoveState().placement, PlacementVariant::kMoveCopy, PreviewWork); }
void CopyDrag(DragView* view) { PlacementDrag(view, CopyState().placement, PlacementVariant::kMoveCopy, PreviewWork); }

// What differs between the two commands.
struct Flavour {
  MoveCopyState& (*state)();
  int from_message;
  bool erase;
  DragRoutine drag;
};

void MovePlaced(int status);
void CopyPlaced(int status);
void MoveFrom(int status);
void CopyFrom(int status);

const Flavour kMove{MoveState, kMsgMoveFrom, true, MoveDrag};
const Flavour kCopy{CopyState, kMsgCopyFrom, false, CopyDrag};

void AskPlacement(const Flavour& f, const void* prompt, Continuation next) {
  ReqData(kReqPoint3, f.state().point_buffer.data(), prompt, DragMode(f.drag), next, kPlacementFlags, kPlacementHelp);
}

void AskFrom(const Flavour& f, Continuation next) {
  ReqData(kReqPoint3, f.state().from_buffer.data(), HostMessage(f.from_message), kModeFromPoint, next, 0,
          kPlacementHelp);
}

void FromGiven(const Flavour& f, int status, Continuation placed) {
  if (status != kStatusAnswered) return EndRedrawingSelection();
  const Vec3& from = f.state().from_buffer;
  CollectSelection(f.erase);
  SetCursorOrg3(from[0], from[1], from[2]);
  StartPlacement(f.state().placement, from, from);
  AskPlacement(f, kPlacePrompt, placed);
}

void EndPlacing(bool erased) {
  if (erased) {
    RestoreErased();
  } else {
    ReleaseSelection();
  }
  FreeSelection();
  CmdEnd();
}

StoredMatrix MatrixAtGivenPoint(const Flavour& f) {
  return CommittedPlacement(f.state().placement, PlacementVariant::kMoveCopy, f.state().point_buffer);
}

void MovePlaced(int status) {
  if (status == kStatusNumber) {
    TakeTypedScale(MoveState().placement, MoveState().point_buffer[0]);
    return AskPlacement(kMove, HostMessage(kMsgPlaceAgain), MovePlaced);
  }
  if (status != kStatusAnswered) return EndPlacing(true);
  const StoredMatrix m = MatrixAtGivenPoint(kMove);
  BeginCommitStep();
  CommitInPlace(m);
  FreeSelection();
  CmdEnd();
}

void CopyPlaced(int status) {
  if (status == kStatusNumber) {
    TakeTypedScale(CopyState().placement, CopyState().point_buffer[0]);
    return AskPlacement(kCopy, HostMessage(kMsgPlaceAgain), CopyPlaced);
  }
  if (status != kStatusAnswered) return EndPlacing(false);
  const StoredMatrix m = MatrixAtGivenPoint(kCopy);
  BeginCommitStep();
  CommitCopies(m);
  AskPlacement(kCopy, HostMessage(kMsgPlaceAgain), CopyPlaced);
}

void MoveFrom(int status) { FromGiven(kMove, status, MovePlaced); }
void CopyFrom(int status) { FromGiven(kCopy, status, CopyPlaced); }

void MoveSelected(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  AskFrom(kMove, MoveFrom);
}

void CopySelected(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  AskFrom(kCopy, CopyFrom);
}

}  // namespace

void MoveCommand() { AskSelection(MoveSelected); }
void CopyCommand() { AskSelection(CopySelected); }

}  // namespace vx
