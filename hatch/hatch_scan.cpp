// VXHATCHSCAN: the user paints hatch lines with the mouse. Each stroke is
// one point request with a drag routine (scan_paint.h); a mouse hook ends
// the request when the button goes up, and Escape between strokes keeps
// everything painted as one group.
#include <cmath>
#include <cstdint>
#include <numbers>

#include "hatch/boundary.h"
#include "hatch/extents_box.h"
#include "hatch/hatch_commands.h"
#include "hatch/hatch_pattern.h"
#include "hatch/hatch_state.h"
#include "hatch/hatch_storage.h"
#include "hatch/paint_positions.h"
#include "hatch/scan_paint.h"
#include "hatch/smart_steps.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/message_boxes.h"
#include "host/record.h"
#include "host/win_api.h"

namespace vx {

namespace {

constexpr const char* kCrossListName = "~HatchCross.kvd";
constexpr const char* kStrokePrompt = "Drag over areas to hatch (CTRL = remove, SHIFT = crosshatch):";
// The host's selection mode for the scan hatch's pick.
constexpr std::intptr_t kScanSelectMode = 8;
constexpr int kPointRequestFlags = 0x400000;
constexpr double kQuarterTurn = std::numbers::pi / 2;
constexpr WPARAM kEscapeCharacter = 27;

void Stroke(int status);

int DrawOne(DList*, Entity entity, std::intptr_t, std::intptr_t) {
  EDraw(0, entity);
  return 0;
}

// Drawing the picked entities normally takes their highlight away.
void RedrawPicked(DList* work) { work->Walk(&DrawOne, kWalkSelected); }

void RequestStroke() {
  ScanPaintState& s = Hatch().scan;
  ReqData(kReqPoint2, s.point, kStrokePrompt, DragMode(&PaintDrag), &Stroke, kPointRequestFlags, 0);
}

LRESULT CALLBACK ButtonUpHook(int code, WPARAM message, LPARAM data) {
  ScanPaintState& s = Hatch().scan;
  if (code >= 0 && (message == WM_LBUTTONUP || message == WM_NCLBUTTONUP)) {
    s.dragging = false;
    s.released = true;
    // Ends the waiting point request, as Escape typed into it would.
    PostMessageA(static_cast<HWND>(GetMainWin()), WM_CHAR, kEscapeCharacter, 0);
  }
  return CallNextHookEx(s.hook, code, message, data);
}

void RemoveButtonUpHook() {
  ScanPaintState& s = Hatch().scan;
  if (s.hook != nullptr) UnhookWindowsHookEx(s.hook);
  s.hook = nullptr;
}

// Copies an entity of the boundary list into the cross list, turned.
int CopyTurned(DList*, Entity entity, std::intptr_t target, std::intptr_t turn) {
  ETran(reinterpret_cast<DList*>(target)->CopyIn(entity), reinterpret_cast<const double*>(turn));
  return 0;
}

// The crosshatch's probes run along x in hatch space; a quarter turn more
// makes them vertical, and a probe at y = p becomes the scan line x = -p
// with x as its coordinate along. The turn's matrix holds only 0 and +-1,
// rounded so that the turned coordinates are exact (cos of a quarter turn
// is not quite 0 in floating point).
void TurnCrossList(DList* boundary, DList* cross) {
  double turn[16];
  BuildRotation(kQuarterTurn, turn);
  for (double& v : turn) v = std::round(v);
  boundary->Walk(&CopyTurned, kWalkAll, reinterpret_cast<std::intptr_t>(cross), reinterpret_cast<std::intptr_t>(turn));
}

void StartGroup(DList* work, ScanPaintState& s) {
  work->UndoMark();
  std::uint8_t group[kGroupSize] = {};
  PutU32(group, kHdrSize, kGroupSize);
  PutI8(group, kHdrKind, kKindGroup);
  s.group = work->AddRecord(group);
  s.members = work->MakeMemberList(s.group);
  SetCStuff(s.group);
}

void Setup(DList* work, DList* boundary, DList* cross, const SmartSteps& steps) {
  ScanPaintState& s = Hatch().scan;
  s.cross_list = cross;
  const double angle = Hatch().prepared.Angle();
  BuildRotation(angle - kRightAngle, s.back);
  BuildRotation(kRightAngle - angle, s.into);
  std::uint8_t extents[kBoxBytes] = {};
  work->Walk(&CollectBoundary, kWalkSelected, reinterpret_cast<std::intptr_t>(s.into),
             reinterpret_cast<std::intptr_t>(extents));
  s.box_valid = ReadExtentsBox(extents, s.box);
  TurnCrossList(boundary, cross);
  s.probes[0].Build(boundary);
  s.probes[1].Build(cross);
  StartGroup(work, s);
  s.steps = steps;
  s.smallest_step = SmallestStep(steps);
  const double distance = Hatch().prepared.Distance();
  double origin[2] = {Hatch().prepared.OffsetX(), Hatch().prepared.OffsetY()};
  BuildRotation(kRightAngle - angle, s.into);  // collecting may have changed the current transformation
  TRNP2(origin);
  s.origin[0] = GridOrigin(origin[0], distance);
  s.origin[1] = GridOrigin(origin[1], distance);
  s.painted.clear();
}

void Finish(DList* work) {
  ScanPaintState& s = Hatch().scan;
  s.cross_list->Release();
  Hatch().boundary->Release();
  Hatch().boundary = nullptr;
  s.painted.clear();
  RedrawPicked(work);
  ClearSelect();
  work->Commit(s.group);
  ShowChanges();
  CmdEnd();
  s = ScanPaintState{};
}

void Stroke(int status) {
  ScanPaintState& s = Hatch().scan;
  RemoveButtonUpHook();
  EDraw(0, s.group);
  ShowChanges();
  if (!s.released) {
    if (status != kStatusAnswered) return Finish(GetWorkDL());
    s.dragging = true;
    s.hook = SetWindowsHookExA(WH_MOUSE, &ButtonUpHook, nullptr, GetCurrentThreadId());
  }
  s.released = false;
  EErase(0, s.group);
  RequestStroke();
}

void EntitiesPicked(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  DList* work = GetWorkDL();
  // Steps that do not advance would leave the paint loop standing still;
  // such settings are refused before anything is made.
  SmartSteps steps;
  if (!BuildSmartSteps(Hatch().prepared, &LineStyleNumber, steps)) {
    RedrawPicked(work);
    ShowError(kBadStepsText);
    return CmdEnd();
  }
  DList* boundary = CreateBoundaryList();
  if (boundary == nullptr) return CmdEnd();
  DList* cross = CreateSecondList(kCrossListName);
  if (cross == nullptr) {
    boundary->Release();
    return CmdEnd();
  }
  Hatch().scan = ScanPaintState{};
  Hatch().boundary = boundary;
  Setup(work, boundary, cross, steps);
  RequestStroke();
}

}  // namespace

void HatchScanCommand() {
  PrepareHatchSettings();
  ReqData(kReqSelect, nullptr, "Scan hatch - pick entities:", kScanSelectMode, &EntitiesPicked, 0, 0);
}

}  // namespace vx
