// VXFRONT and VXBACK: selected entities move to the end (drawn last, on top)
// or to the start (drawn first, underneath) of their list, keeping their
// relative order. Selected members of ordered containers move within the
// container's own member list.
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "layers/layers_commands.h"

namespace vx {

namespace {

int KindOf(Entity e) { return GetI8(e, kHdrKind); }

bool IsOrderedContainer(Entity e) {
  return KindOf(e) == kKindContainer && (GetU32(e, kContainerFlags) & kContainerOrdered) != 0;
}

template <typename T>
T* Slot(std::intptr_t a) {
  return reinterpret_cast<T*>(a);
}

int RememberEach(DList*, Entity e, std::intptr_t a, std::intptr_t) {
  *Slot<Entity>(a) = e;
  return 0;
}

// The last entity of the list that passes the filter; null when none does.
Entity LastEntity(DList* list, int filter) {
  Entity last = nullptr;
  list->Walk(RememberEach, filter, reinterpret_cast<std::intptr_t>(&last));
  return last;
}

int StopAtFirst(DList* list, Entity e, std::intptr_t a, std::intptr_t) {
  if (KindOf(e) == 0 || list->Test(e) != 0) return 0;
  *Slot<Entity>(a) = e;
  return 1;
}

Entity FirstEntity(DList* list, int filter) {
  Entity first = nullptr;
  list->Walk(StopAtFirst, filter, reinterpret_cast<std::intptr_t>(&first));
  return first;
}

// a: the anchor, the last entity of the list, then each entity moved.
int MoveToFront(DList* list, Entity e, std::intptr_t a, std::intptr_t) {
  Entity& anchor = *Slot<Entity>(a);
  EDraw(0, e);
  const Entity opened = list->OpenForChange(e);
  if (opened != anchor) {
    list->PlaceAfter(opened, anchor);
    anchor = opened;
  }
  list->Unmark(opened);
  return 0;
}

// Where the entities moved to the back go: before the list's first entity,
// each later one right after the one moved before it. When the first entity
// is itself selected it stays and the others follow it, so the moved
// entities never swap places.
struct BackPlace {
  Entity first = nullptr;
  Entity previous = nullptr;
};

int MoveToBack(DList* list, Entity e, std::intptr_t a, std::intptr_t) {
  if (KindOf(e) == kKindContainer) return 0;
  BackPlace& place = *Slot<BackPlace>(a);
  EDraw(0, e);
  const Entity opened = list->OpenForChange(e);
  if (place.previous != nullptr) {
    list->PlaceAfter(opened, place.previous);
  } else if (opened != place.first) {
    list->PlaceBefore(opened, place.first);
  }
  place.previous = opened;
  list->Unmark(opened);
  return 0;
}

int DrawOnly(DList*, Entity e, std::intptr_t, std::intptr_t) {
  EDraw(0, e);
  return 0;
}

void BringSelectedToFront(DList* list, int anchor_filter) {
  Entity anchor = LastEntity(list, anchor_filter);
  if (anchor != nullptr) list->Walk(MoveToFront, kWalkSelected, reinterpret_cast<std::intptr_t>(&anchor));
}

void SendSelectedToBack(DList* list, int first_filter, int walk_filter) {
  BackPlace place{FirstEntity(list, first_filter), nullptr};
  if (place.first != nullptr) {
    list->Walk(MoveToBack, walk_filter, reinterpret_cast<std::intptr_t>(&place));
  } else {
    list->Walk(DrawOnly, walk_filter);
  }
}

int FrontInContainer(DList* list, Entity e, std::intptr_t, std::intptr_t) {
  if (!IsOrderedContainer(e)) return 0;
  if (DList* members = list->MemberList(e)) BringSelectedToFront(members, kWalkAll);
  return 0;
}

int BackInContainer(DList* list, Entity e, std::intptr_t, std::intptr_t) {
  if (!IsOrderedContainer(e)) return 0;
  if (DList* members = list->MemberList(e)) SendSelectedToBack(members, kWalkAll, kWalkSelected);
  return 0;
}

void FrontSelected(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  DList* work = GetWorkDL();
  work->UndoMark();
  work->Walk(FrontInContainer, kWalkUnfrozen);
  BringSelectedToFront(work, kWalkUnfrozen);
  Redraw();
  CmdEnd();
}

void BackSelected(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  DList* work = GetWorkDL();
  work->UndoMark();
  work->Walk(BackInContainer, kWalkUnfrozen);
  SendSelectedToBack(work, kWalkUnfrozen, kWalkSelectedUnfrozen);
  Redraw();
  CmdEnd();
}

void AskSelection(Continuation next) {
  ReqData(kReqSelect, nullptr, HostMessage(kMsgSelectEntities), kModeDefault, next, 0, 0);
}

}  // namespace

void FrontCommand() { AskSelection(FrontSelected); }
void BackCommand() { AskSelection(BackSelected); }

}  // namespace vx
