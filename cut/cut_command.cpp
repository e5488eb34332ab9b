// VXCUT: the settings dialog, the selection, the boundary (a circle or a box
// drawn for the purpose, or an existing circle or polygon), then the cut, and
// for copy / enlarge the placing of the detail.
#include <cmath>

#include "cut/circle_drag.h"
#include "cut/cut_boundary.h"
#include "cut/cut_commands.h"
#include "cut/cut_dialog.h"
#include "cut/cut_engine.h"
#include "cut/detail_copy.h"
#include "frame/pack_state.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/message_boxes.h"
#include "host/record.h"
#include "transform/transform_requests.h"

namespace vx {

namespace {

constexpr char kPickEntities[] = "Pick entities (h = help): ";
constexpr std::intptr_t kModePickEntities = 11;
constexpr char kCircleCentre[] = "Circle center:";
constexpr char kPointOnCircle[] = "Point on circle (SHIFT = move center) or enter radius:";
constexpr char kFirstCorner[] = "First corner:";
constexpr char kOppositeCorner[] = "Opposite corner:";
constexpr char kPickBoundary[] = "Pick a closed boundary entity:";
constexpr std::intptr_t kModePickBoundary = 7;
constexpr char kWrongKind[] = "The picked entity must be a circle or a polygon\n\nPlease pick another entity.";
constexpr char kNoCopyList[] = "Error: Couldn't create temporary drawing list 1\n\nExiting...";
constexpr char kCopyListName[] = "~CopyDL.kvd";
constexpr int kTempList = 2;

CutState& State() { return Pack().cut.cut; }

Point2 PointGiven() { return {State().point[0], State().point[1]}; }

void Cut() {
  CutState& s = State();
  const bool copy = s.settings.operation == kCutCopy;
  s.copy_list = nullptr;
  if (copy) {
    s.copy_list = CreateDList(kCopyListName, kTempList);
    if (s.copy_list == nullptr) {
      ShowError(kNoCopyList);
      return EndRedrawingSelection();
    }
  }
  const bool own = s.settings.boundary != kBoundaryExisting;
  CutSelection(s.settings, s.boundary, own, s.copy_list);
  ShowChanges();
  if (!copy) return CmdEnd();
  const Extents x = ExtentsOf(s.boundary);
  StartDetailCopy(Vec3{(x.xmin + x.xmax) / 2, (x.ymin + x.ymax) / 2, 0});
}

void RadiusGiven(int status) {
  CutState& s = State();
  if (status != kStatusAnswered && status != kStatusNumber) return EndRedrawingSelection();
  const Vec2& centre = s.circle_drag.centre;
  const double radius =
      status == kStatusNumber ? std::fabs(s.point[0]) : std::hypot(s.point[0] - centre[0], s.point[1] - centre[1]);
  FillCircleBoundary(s.circle, {centre[0], centre[1]}, radius);
  s.boundary = s.circle.data();
  Cut();
}

void CentreGiven(int status) {
  CutState& s = State();
  if (status != kStatusAnswered) return EndRedrawingSelection();
  StartCircleDrag(s.circle_drag, Vec2{s.point[0], s.point[1]});
  ReqData(kReqPoint2, s.point.data(), kPointOnCircle, DragMode(CircleBoundaryDrag), RadiusGiven, kReqAcceptNumber, 0);
}

void SecondCornerGiven(int status) {
  CutState& s = State();
  if (status != kStatusAnswered) return EndRedrawingSelection();
  FillBoxBoundary(s.box, {s.corner[0], s.corner[1]}, PointGiven());
  s.boundary = s.box.data();
  Cut();
}

void FirstCornerGiven(int status) {
  CutState& s = State();
  if (status != kStatusAnswered) return EndRedrawingSelection();
  s.corner = {s.point[0], s.point[1]};
  SetCursorOrg2(s.corner[0], s.corner[1]);
  ReqData(kReqPoint2, s.point.data(), kOppositeCorner, kModeRubberBox, SecondCornerGiven, 0, 0);
}

void AskBoundaryPick();

void BoundaryPicked(int status) {
  CutState& s = State();
  if (status != kStatusAnswered) return EndRedrawingSelection();
  const int kind = s.picked != nullptr ? GetI8(s.picked, kHdrKind) : 0;
  if (kind != kKindCircle && kind != kKindPolygon) {
    ShowError(kWrongKind);
    return AskBoundaryPick();
  }
  s.boundary = s.picked;
  Cut();
}

void AskBoundaryPick() {
  State().picked = nullptr;
  ReqData(kReqPick, &State().picked, kPickBoundary, kModePickBoundary, BoundaryPicked, 0, 0);
}

void Selected(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  CutState& s = State();
  s.point = {};
  switch (s.settings.boundary) {
    case kBoundaryCircle:
      return static_cast<void>(ReqData(kReqPoint2, s.point.data(), kCircleCentre, kModePlain, CentreGiven, 0, 0));
    case kBoundaryBox:
      return static_cast<void>(ReqData(kReqPoint2, s.point.data(), kFirstCorner, kModePlain, FirstCornerGiven, 0, 0));
    default: return AskBoundaryPick();
  }
}

}  // namespace

void CutCommand() {
  if (!AskCutSettings(State().settings)) return CmdEnd();
  ReqData(kReqSelect, nullptr, kPickEntities, kModePickEntities, Selected, 0, 0);
}

}  // namespace vx
