// VXGROUP1: the selection, with everything inside selected groups at any
// depth, becomes one new group of ordinary entities. Emptied groups stay
// where they are.
#include <cstdint>

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "layers/layers_commands.h"

namespace vx {

namespace {

constexpr std::intptr_t kModeGroup1 = 11;

struct Gathering {
  DList* members = nullptr;
  std::size_t moved = 0;
};

int Gather(DList* list, Entity e, std::intptr_t a, std::intptr_t b) {
  Gathering& into = *reinterpret_cast<Gathering*>(a);
  if (GetI8(e, kHdrKind) == kKindGroup) {
    if (DList* inner = list->MemberList(e)) inner->Walk(Gather, kWalkAll, a, b);
    return 0;
  }
  const Entity copy = into.members->CopyIn(e);
  list->Remove(e);
  EDraw(0, copy);
  ++into.moved;
  return 0;
}

void Selected(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  DList* work = GetWorkDL();
  work->UndoMark();
  std::uint8_t record[kGroupSize] = {};
  PutU32(record, kHdrSize, kGroupSize);
  PutI8(record, kHdrKind, kKindGroup);
  const Entity group = work->AddRecord(record);
  Gathering into{work->MakeMemberList(group), 0};
  SetCStuff(group);
  work->Unmark(group);
  work->Walk(Gather, kWalkSelected, reinterpret_cast<std::intptr_t>(&into));
  // A selection of nothing but empty groups would leave a new group with no
  // members: nothing anyone could see or pick again.
  if (into.moved == 0) {
    work->Remove(group);
  } else {
    work->Commit(group);
  }
  ShowChanges();
  CmdEnd();
}

}  // namespace

void Group1Command() { ReqData(kReqSelect, nullptr, "Group to one level (h = help): ", kModeGroup1, Selected, 0, 0); }

}  // namespace vx
