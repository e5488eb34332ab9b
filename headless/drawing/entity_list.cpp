#include "headless/drawing/entity_list.h"

#include <cstring>
#include <utility>

#include "headless/drawing/undo_journal.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

void BindDList(vx::DList& dlist, ListImpl* list);  // list_ops.cpp

ListImpl::ListImpl(Document& doc, UndoJournal* journal, const std::string& file_name)
    : dlist_{}, doc_(doc), journal_(journal) {
  BindDList(dlist_, this);
  SetFileName(file_name);
}

ListImpl::~ListImpl() {
  for (EntityNode* n = head_; n != nullptr;) {
    EntityNode* next = n->next;
    DestroyNode(n);
    n = next;
  }
  for (EntityNode* n : graveyard_) DestroyNode(n);
}

void ListImpl::SetFileName(const std::string& name) {
  std::memset(dlist_.file_name, 0, sizeof dlist_.file_name);
  std::memcpy(dlist_.file_name, name.data(), std::min(name.size(), sizeof dlist_.file_name - 1));
}

// ---- Linking -----------------------------------------------------------------

void ListImpl::LinkAfter(EntityNode* node, EntityNode* after) {
  node->owner = this;
  node->prev = after;
  node->next = after != nullptr ? after->next : head_;
  if (node->next != nullptr)
    node->next->prev = node;
  else
    tail_ = node;
  if (after != nullptr)
    after->next = node;
  else
    head_ = node;
  node->linked = true;
  if (!node->state.removed) ++live_;
}

void ListImpl::Unlink(EntityNode* node) {
  if (node->prev != nullptr)
    node->prev->next = node->next;
  else
    head_ = node->next;
  if (node->next != nullptr)
    node->next->prev = node->prev;
  else
    tail_ = node->prev;
  node->successor = node->next;
  node->prev = node->next = nullptr;
  node->linked = false;
  if (!node->state.removed) --live_;
}

void ListImpl::SetRemoved(EntityNode* node, bool removed) {
  if (node->state.removed == removed) return;
  node->state.removed = removed;
  if (node->linked) live_ = removed ? live_ - 1 : live_ + 1;
}

void ListImpl::ReplaceNode(EntityNode* from, EntityNode* to) {
  to->state = from->state;
  from->state.members = nullptr;
  to->birth = from->birth;
  to->walk_stamp = from->walk_stamp;
  LinkAfter(to, from);
  Unlink(from);
  from->successor = to;
}

void ListImpl::AppendNode(EntityNode* node) { LinkAfter(Adopt(node), tail_); }

EntityNode* ListImpl::Adopt(EntityNode* node) {
  node->owner = this;
  node->birth = next_birth_++;
  return node;
}

void ListImpl::Dispose(EntityNode* node) {
  if (walking_ > 0)
    graveyard_.push_back(node);
  else
    DestroyNode(node);
}

void ListImpl::Move(EntityNode* node, EntityNode* after) {
  if (node == after) return;
  if (journal_ != nullptr) journal_->Record({ChangeKind::kMove, node, node->prev, nullptr, {}});
  Unlink(node);
  LinkAfter(node, after);
}

ListImpl* ListImpl::NewMemberList() { return new ListImpl(doc_, journal_, std::string(dlist_.file_name)); }

// ---- Entity checks -------------------------------------------------------------

EntityNode* ListImpl::Own(vx::Entity entity, const char* operation) const {
  EntityNode* node = NodeOf(entity, operation);
  if (node->owner != this || !node->linked) {
    throw HostFault(std::string(operation) + ": the entity does not belong to this list");
  }
  return node;
}

EntityNode* ListImpl::Live(vx::Entity entity, const char* operation) const {
  EntityNode* node = Own(entity, operation);
  if (node->state.removed) {
    throw HostFault(std::string(operation) + ": the entity has been removed");
  }
  return node;
}

// ---- EntityList ------------------------------------------------------------------

void ListImpl::ForEach(const std::function<void(vx::Entity)>& visit) const {
  for (EntityNode* n = head_; n != nullptr; n = n->next) {
    if (!n->state.removed) visit(RecordOf(n));
  }
}

const EntityState& ListImpl::State(vx::Entity entity) const { return Own(entity, "State")->state; }

void ListImpl::SetSelected(vx::Entity entity, bool selected) { Own(entity, "SetSelected")->state.selected = selected; }

void ListImpl::SetTag(vx::Entity entity, std::uint32_t tag) { Own(entity, "SetTag")->state.tag = tag; }

EntityList* ListImpl::Members(vx::Entity entity) const { return Own(entity, "Members")->state.members; }

vx::Entity ListImpl::Append(const std::uint8_t* record) {
  if (record == nullptr) throw HostFault("Append: no record given");
  const std::uint32_t size = vx::GetU32(record, vx::kHdrSize);
  EntityNode* node = AllocateNode(size);
  std::memcpy(RecordOf(node), record, size);
  AppendNode(node);
  return RecordOf(node);
}

}  // namespace vxh
