// The operation table behind every vx::DList of the headless host. The list
// object keeps the address of its ListImpl in its reserved bytes.
#include <cstring>
#include <string>

#include "headless/drawing/entity_list.h"
#include "headless/host_error.h"

namespace vxh {
namespace {

ListImpl& L(vx::DList* list, const char* operation) { return *ListOf(list, operation); }

void OpRelease(vx::DList* l) { L(l, "release").Release(); }
vx::Entity OpAddRecord(vx::DList* l, const std::uint8_t* r) { return L(l, "add record").AddRecord(r); }
vx::Entity OpNewRecord(vx::DList* l, int kind, std::uint32_t size) { return L(l, "new record").NewRecord(kind, size); }
vx::Entity OpOpenForChange(vx::DList* l, vx::Entity e) { return L(l, "open for change").OpenForChange(e); }
void OpRemove(vx::DList* l, vx::Entity e) { L(l, "remove").Remove(e); }
void OpRestore(vx::DList* l, vx::Entity e) { L(l, "restore").Restore(e); }
void OpFree(vx::DList* l, vx::Entity e) { L(l, "free").Free(e); }
vx::Entity OpResize(vx::DList* l, vx::Entity e, std::uint32_t size) { return L(l, "resize").Resize(e, size); }
int OpWalk(vx::DList* l, vx::WalkCallback cb, int filter, std::intptr_t a, std::intptr_t b) {
  return L(l, "walk").Walk(cb, filter, a, b);
}
void OpCommit(vx::DList* l, vx::Entity e) { L(l, "commit").Commit(e); }
void OpUnmark(vx::DList* l, vx::Entity e) { L(l, "unmark").Unmark(e); }
int OpTest(vx::DList* l, vx::Entity e) { return L(l, "test").Test(e); }
vx::DList* OpMakeMemberList(vx::DList* l, vx::Entity g) {
  return L(l, "make member list").MakeMemberList(g)->AsDList();
}
vx::DList* OpMemberList(vx::DList* l, vx::Entity e) {
  ListImpl* members = L(l, "member list").MemberList(e);
  return members != nullptr ? members->AsDList() : nullptr;
}
void OpPlaceBefore(vx::DList* l, vx::Entity e, vx::Entity o) { L(l, "place before").PlaceBefore(e, o); }
void OpPlaceAfter(vx::DList* l, vx::Entity e, vx::Entity o) { L(l, "place after").PlaceAfter(e, o); }
void OpUndoMark(vx::DList* l) { L(l, "undo mark").UndoMark(); }
vx::Entity OpCopyIn(vx::DList* l, vx::Entity e) { return L(l, "copy in").CopyIn(e); }
std::uint8_t* OpSettingsTable(vx::DList* l, int t) { return L(l, "settings table").SettingsTable(t); }

const vx::DListOps kListOps = {
    OpRelease,     OpAddRecord,  OpNewRecord, OpOpenForChange, OpRemove,        OpRestore,        OpFree,
    OpResize,      OpWalk,       OpCommit,    OpUnmark,        OpTest,          OpMakeMemberList, OpMemberList,
    OpPlaceBefore, OpPlaceAfter, OpUndoMark,  OpCopyIn,        OpSettingsTable,
};

}  // namespace

void BindDList(vx::DList& dlist, ListImpl* list) {
  dlist.ops = &kListOps;
  std::memcpy(dlist.reserved, &list, sizeof list);
}

ListImpl* ListOf(vx::DList* list, const char* operation) {
  if (list == nullptr) throw HostFault(std::string(operation) + ": no drawing list given");
  if (list->ops != &kListOps) {
    throw HostFault(std::string(operation) + ": the drawing list was not made by the host");
  }
  ListImpl* impl = nullptr;
  std::memcpy(&impl, list->reserved, sizeof impl);
  return impl;
}

EntityList* FromDList(vx::DList* list) { return ListOf(list, "FromDList"); }

}  // namespace vxh
