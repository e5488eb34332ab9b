// VXHATCHSTANDARD: hatches the area enclosed by the picked entities (even-odd
// along each scan line) with the pattern in use; the result is one group.
#include <cstdint>

#include "hatch/boundary.h"
#include "hatch/hatch_commands.h"
#include "hatch/hatch_pattern.h"
#include "hatch/hatch_state.h"
#include "hatch/hatch_storage.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/message_boxes.h"
#include "host/record.h"

namespace vx {

namespace {

int DrawOne(DList*, Entity entity, std::intptr_t, std::intptr_t) {
  EDraw(0, entity);
  return 0;
}

// Drawing the picked entities normally takes their highlight away.
void RedrawPicked(DList* work) { work->Walk(&DrawOne, kWalkSelected); }

Entity AddHatchGroup(DList* work, DList*& members) {
  std::uint8_t group[kGroupSize] = {};
  PutU32(group, kHdrSize, kGroupSize);
  PutI8(group, kHdrKind, kKindGroup);
  Entity entity = work->AddRecord(group);
  members = work->MakeMemberList(entity);
  // The host commits an entity through the list that holds it.
  work->Commit(entity);
  SetCStuff(entity);
  return entity;
}

void Picked(int status) {
  DList* work = GetWorkDL();
  if (status != kStatusAnswered) {
    RedrawPicked(work);
    ShowChanges();
    CmdEnd();
    return;
  }
  std::uint8_t box[kBoxBytes] = {};
  DList* boundary = CreateBoundaryList();
  if (boundary == nullptr) {
    CmdEnd();
    return;
  }
  Hatch().boundary = boundary;
  double into[16];
  BuildRotation(kRightAngle - Hatch().prepared.Angle(), into);
  work->Walk(&CollectBoundary, kWalkSelectedVisible, reinterpret_cast<std::intptr_t>(into),
             reinterpret_cast<std::intptr_t>(box));
  RedrawPicked(work);
  ClearSelect();
  work->UndoMark();
  DList* members = nullptr;
  Entity group = AddHatchGroup(work, members);
  FillContext context(boundary, box);
  HatchPattern(members, context, nullptr);
  boundary->Release();
  Hatch().boundary = nullptr;
  if (context.too_dense) {
    work->Remove(group);
    ShowError(kTooDenseText);
  }
  ShowChanges();
  CmdEnd();
}

}  // namespace

void HatchStandardCommand() {
  PrepareHatchSettings();
  ReqData(kReqSelect, nullptr, "Regular hatch - pick entities:", kModePlain, &Picked, 0, 0);
}

}  // namespace vx
