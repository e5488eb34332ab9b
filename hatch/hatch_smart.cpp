// VXHATCHSMART: hatches only the area around a picked point among all the
// areas into which the picked entities divide their extents box.
#include <cmath>
#include <cstdint>
#include <vector>

#include "hatch/boundary.h"
#include "hatch/extents_box.h"
#include "hatch/fill_limits.h"
#include "hatch/hatch_commands.h"
#include "hatch/hatch_pattern.h"
#include "hatch/hatch_state.h"
#include "hatch/hatch_storage.h"
#include "hatch/scan_line.h"
#include "hatch/smart_areas.h"
#include "hatch/smart_steps.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/line_record.h"
#include "host/message_boxes.h"
#include "host/record.h"
#include "host/win_api.h"

namespace vx {

namespace {

constexpr const char* kAreaListName = "~HatchEntities.kvd";
constexpr int kPointRequestFlags = 0x400000;

int DrawOne(DList*, Entity entity, std::intptr_t, std::intptr_t) {
  EDraw(0, entity);
  return 0;
}

// Drawing the picked entities normally takes their highlight away.
void RedrawPicked(DList* work) { work->Walk(&DrawOne, kWalkSelected); }

void EndCommand() {
  ShowProgress(0, 1);
  ShowChanges();
  CmdEnd();
}

bool EscapeDown() { return static_cast<std::uint16_t>(GetAsyncKeyState(VK_ESCAPE)) > 1; }

// Every gap between neighbouring crossings, the box's bottom and top
// included, longer than `min_length` is a candidate.
void PlaceScanLine(FillContext& context, const ScanLine& scan, std::uint16_t style, double min_length,
                   SmartAreas& areas) {
  context.crossings.Clear();
  context.index.Collect(scan, context.crossings);
  const std::vector<double>& crossings = context.crossings.Resolve();
  areas.BeginScanLine();
  double lower = scan.p1[1];
  for (std::size_t k = 0; k <= crossings.size(); ++k) {
    const double upper = k < crossings.size() ? crossings[k] : scan.p2[1];
    if (upper - lower > min_length) areas.Place(scan.x, lower, upper, style);
    lower = upper;
  }
}

// Returns false when Escape stopped the sweep.
bool Sweep(FillContext& context, const ExtentsBox& box, const SmartSteps& steps, const double* point,
           SmartAreas& areas) {
  const double distance = Hatch().prepared.Distance();
  const int total = static_cast<int>((box.max_x - box.min_x) / distance);
  ProgressMsg("Hatching... (press ESC to cancel)");
  double x = distance * std::trunc(box.min_x / distance + 0.5);
  // The snap truncates towards zero, so left of the origin it can land a
  // whole distance inside the box and leave out the first scan line there.
  if (x - distance >= box.min_x) x -= distance;
  if ((box.max_x - x) / distance > fill::kMaxScanLines) {
    context.too_dense = true;
    return true;
  }
  context.index.Build(context.boundary);
  context.index.Restart();
  ScanLine scan;
  int k = 0;
  for (int counter = 0; x <= box.max_x; ++counter) {
    ShowProgress(counter, total);
    if (EscapeDown()) {
      areas.ForgetFound();
      return false;
    }
    SetScanLine(scan, x, box.min_y, box.max_y);
    PlaceScanLine(context, scan, steps.style[k], distance / 10, areas);
    areas.LinkLeftovers();
    areas.TestPoint(point, distance / 2);
    areas.EndScanLine();
    k = (k + 1) % steps.count;
    const double next = x + steps.step[k];
    if (next == x) break;  // the step vanishes against x
    x = next;
  }
  return true;
}

void AddSegment(DList* members, const SmartSegment& s, const double* back) {
  Entity line = members->AddRecord(MakeLineRecord(s.x, s.y1, s.x, s.y2).data());
  SetCStuff(line);
  line = ETran(line, back);
  PutU16(line, kHdrLineStyle, s.style);
  members->Commit(line);
}

// The found area becomes a group in the area list, turned back into drawing
// space, and is copied into the drawing as one undo step.
void CopyFoundArea(DList* work, DList* area_list, SmartAreas& areas, const double* back) {
  std::vector<SmartSegment> found;
  areas.FoundSegments(found);
  std::uint8_t group[kGroupSize] = {};
  PutU32(group, kHdrSize, kGroupSize);
  PutI8(group, kHdrKind, kKindGroup);
  Entity entity = area_list->AddRecord(group);
  DList* members = area_list->MakeMemberList(entity);
  area_list->Commit(entity);
  SetCStuff(entity);
  for (const SmartSegment& s : found) AddSegment(members, s, back);
  ClearSelect();
  work->UndoMark();
  Entity copy = work->CopyIn(entity);
  work->Commit(copy);
  EDraw(0, copy);
}

void Fill(DList* work, DList* boundary, DList* area_list, const SmartSteps& steps) {
  std::uint8_t extents[kBoxBytes] = {};
  const double angle = Hatch().prepared.Angle();
  double into[16];
  BuildRotation(kRightAngle - angle, into);
  work->Walk(&CollectBoundary, kWalkSelectedVisible, reinterpret_cast<std::intptr_t>(into),
             reinterpret_cast<std::intptr_t>(extents));
  RedrawPicked(work);
  double point[2] = {Hatch().smart_point[0], Hatch().smart_point[1]};
  BuildRotation(kRightAngle - angle, into);  // collecting may have changed the current transformation
  TRNP2(point);
  double back[16];
  BuildRotation(angle - kRightAngle, back);
  ExtentsBox box{};
  if (!ReadExtentsBox(extents, box)) return;
  FillContext context(boundary, extents);
  Hatch().connectors.Build(boundary);
  SmartAreas areas(Hatch().connectors);
  if (!Sweep(context, box, steps, point, areas)) return;
  if (context.too_dense) return ShowError(kTooDenseText);
  if (!areas.Found()) return;
  CopyFoundArea(work, area_list, areas, back);
}

void PointPicked(int status) {
  DList* work = GetWorkDL();
  if (status != kStatusAnswered) {
    RedrawPicked(work);
    return EndCommand();
  }
  SmartSteps steps;
  if (!BuildSmartSteps(Hatch().prepared, &LineStyleNumber, steps)) {
    RedrawPicked(work);
    ShowError(kBadStepsText);
    return EndCommand();
  }
  DList* boundary = CreateBoundaryList();
  if (boundary == nullptr) return EndCommand();
  DList* area_list = CreateSecondList(kAreaListName);
  if (area_list == nullptr) {
    boundary->Release();
    return EndCommand();
  }
  Hatch().boundary = boundary;
  Fill(work, boundary, area_list, steps);
  Hatch().connectors.Clear();
  area_list->Release();
  boundary->Release();
  Hatch().boundary = nullptr;
  EndCommand();
}

void EntitiesPicked(int status) {
  if (status != kStatusAnswered) {
    CmdEnd();
    return;
  }
  ReqData(kReqPoint2, Hatch().smart_point, "Pick point in area to hatch:", kModePlain, &PointPicked, kPointRequestFlags,
          0);
}

}  // namespace

void HatchSmartCommand() {
  PrepareHatchSettings();
  ReqData(kReqSelect, nullptr, "Smart hatch - pick entities:", kModePlain, &EntitiesPicked, 0, 0);
}

}  // namespace vx
