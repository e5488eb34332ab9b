// The list operations that change a list, each journaled when the list
// belongs to the drawing.
#include <algorithm>
#include <cstring>
#include <string>

#include "headless/drawing/entity_list.h"
#include "headless/drawing/settings_tables.h"
#include "headless/drawing/undo_journal.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {
namespace {

// Guards against a garbage size field turning into a huge allocation.
constexpr std::uint32_t kLargestRecord = 64u << 20;

std::uint32_t CheckedSize(std::uint32_t size, const char* operation) {
  if (size < vx::kHeaderBytes || size > kLargestRecord) {
    throw HostFault(std::string(operation) + ": a record size of " + std::to_string(size) + " bytes is outside 32 to " +
                    std::to_string(kLargestRecord));
  }
  return size;
}

}  // namespace

vx::Entity ListImpl::AddRecord(const std::uint8_t* record) {
  if (record == nullptr) throw HostFault("add record: no record given");
  const std::uint32_t size = CheckedSize(vx::GetU32(record, vx::kHdrSize), "add record");
  EntityNode* node = AllocateNode(size);
  std::memcpy(RecordOf(node), record, size);
  AppendNode(node);
  if (journal_ != nullptr) journal_->Record({ChangeKind::kInsert, node, nullptr, nullptr, {}});
  return RecordOf(node);
}

vx::Entity ListImpl::NewRecord(int kind, std::uint32_t size) {
  if (kind < 1 || kind > 127) {
    throw HostFault("new record: entity kind " + std::to_string(kind) + " is not a kind");
  }
  EntityNode* node = AllocateNode(CheckedSize(size, "new record"));
  vx::PutI8(RecordOf(node), vx::kHdrKind, static_cast<std::int8_t>(kind));
  AppendNode(node);
  if (journal_ != nullptr) journal_->Record({ChangeKind::kInsert, node, nullptr, nullptr, {}});
  return RecordOf(node);
}

// The record is changed in place; the journal keeps the bytes as they were.
// A container's members change with it (a transform moves them where they
// are), so the journal keeps theirs too, at every depth.
vx::Entity ListImpl::OpenForChange(vx::Entity entity) {
  EntityNode* node = Own(entity, "open for change");
  if (journal_ == nullptr) return entity;
  journal_->Record(
      {ChangeKind::kBytes, node, nullptr, nullptr, std::vector<std::uint8_t>(entity, entity + node->size)});
  if (node->state.members != nullptr) {
    ListImpl& members = *static_cast<ListImpl*>(node->state.members);
    for (EntityNode* n = members.head_; n != nullptr; n = n->next) members.OpenForChange(RecordOf(n));
  }
  return entity;
}

void ListImpl::Remove(vx::Entity entity) {
  EntityNode* node = Own(entity, "remove");
  if (node->state.removed) return;
  if (journal_ != nullptr) journal_->Record({ChangeKind::kRemoved, node, nullptr, nullptr, {}});
  SetRemoved(node, true);
}

void ListImpl::Restore(vx::Entity entity) {
  EntityNode* node = Own(entity, "restore");
  if (!node->state.removed) return;
  if (journal_ != nullptr) journal_->Record({ChangeKind::kRemoved, node, nullptr, nullptr, {}});
  SetRemoved(node, false);
}

// A record of another list is freed by its own list; a loose record (made by
// the host outside any list) is simply deleted.
void ListImpl::Free(vx::Entity entity) {
  EntityNode* node = NodeOf(entity, "free");
  if (node->owner == nullptr) return DestroyNode(node);
  if (!node->linked) throw HostFault("free: the entity has already been freed");
  ListImpl& list = *node->owner;
  EntityNode* before = node->prev;
  list.Unlink(node);
  if (list.journal_ != nullptr && !list.journal_->ForgetInsert(node)) {
    list.journal_->Record({ChangeKind::kFree, node, before, nullptr, {}});
  } else {
    list.Dispose(node);
  }
}

// Always a new node: every pointer to the old record becomes invalid, and the
// journal can swap the two nodes back and forth.
vx::Entity ListImpl::Resize(vx::Entity entity, std::uint32_t size) {
  EntityNode* node = Own(entity, "resize");
  EntityNode* bigger = AllocateNode(CheckedSize(size, "resize"));
  std::memcpy(RecordOf(bigger), entity, std::min(size, node->size));
  vx::PutU32(RecordOf(bigger), vx::kHdrSize, size);
  ReplaceNode(node, bigger);
  if (journal_ != nullptr) {
    journal_->Record({ChangeKind::kReplace, node, bigger, nullptr, {}});
  } else {
    Dispose(node);
  }
  return RecordOf(bigger);
}

void ListImpl::Commit(vx::Entity entity) {
  EntityNode* node = Own(entity, "commit");
  const std::uint32_t field = vx::GetU32(entity, vx::kHdrSize);
  if (field != node->size) {
    throw HostFault("commit: the record's size field says " + std::to_string(field) + " bytes but the record has " +
                    std::to_string(node->size) + " (change sizes with resize)");
  }
  node->state.selected = true;
}

void ListImpl::Unmark(vx::Entity entity) { Own(entity, "unmark")->state.selected = false; }

int ListImpl::Test(vx::Entity entity) const {
  if (entity == nullptr) return 1;
  const EntityNode* node = NodeOf(entity, "test");
  return node->owner == this && node->linked && !node->state.removed ? 0 : 1;
}

ListImpl* ListImpl::MakeMemberList(vx::Entity group) {
  EntityNode* node = Own(group, "make member list");
  if (node->state.members != nullptr) return static_cast<ListImpl*>(node->state.members);
  ListImpl* members = NewMemberList();
  node->state.members = members;
  if (journal_ != nullptr) journal_->Record({ChangeKind::kMembers, node, nullptr, members, {}});
  return members;
}

ListImpl* ListImpl::MemberList(vx::Entity entity) const {
  return static_cast<ListImpl*>(Own(entity, "member list")->state.members);
}

void ListImpl::PlaceBefore(vx::Entity entity, vx::Entity other) {
  EntityNode* node = Own(entity, "place before");
  EntityNode* anchor = Own(other, "place before");
  if (node != anchor && anchor->prev != node) Move(node, anchor->prev);
}

void ListImpl::PlaceAfter(vx::Entity entity, vx::Entity other) {
  EntityNode* node = Own(entity, "place after");
  EntityNode* anchor = Own(other, "place after");
  if (node != anchor && node->prev != anchor) Move(node, anchor);
}

void ListImpl::UndoMark() {
  if (journal_ != nullptr) journal_->Mark();
}

vx::Entity ListImpl::CopyIn(vx::Entity entity) {
  EntityNode* copy = DeepCopy(NodeOf(entity, "copy in"));
  AppendNode(copy);
  if (journal_ != nullptr) journal_->Record({ChangeKind::kInsert, copy, nullptr, nullptr, {}});
  return RecordOf(copy);
}

// The record and, level by level, its live members; nothing selected.
EntityNode* ListImpl::DeepCopy(const EntityNode* source) {
  EntityNode* copy = AllocateNode(source->size);
  std::memcpy(RecordOf(copy), RecordOf(const_cast<EntityNode*>(source)), source->size);
  if (source->state.members != nullptr) {
    ListImpl* members = NewMemberList();
    copy->state.members = members;
    members->CopyMembers(*static_cast<const ListImpl*>(source->state.members));
  }
  return copy;
}

void ListImpl::CopyMembers(const ListImpl& source) {
  for (const EntityNode* n = source.head_; n != nullptr; n = n->next) {
    if (!n->state.removed) AppendNode(DeepCopy(n));
  }
}

std::uint8_t* ListImpl::SettingsTable(int table) { return doc_.Tables().Table(table); }

void ListImpl::Release() {
  if (!on_release_) {
    throw HostFault("release: only temporary and part lists can be released");
  }
  on_release_(this);  // deletes this list
}

}  // namespace vxh
