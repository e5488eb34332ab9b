#include "headless/drawing/undo_journal.h"

#include <utility>

#include "headless/drawing/entity_list.h"
#include "headless/drawing/entity_node.h"
#include "headless/host_error.h"

namespace vxh {
namespace {

// Insert and free are mirror images: one brings a node into its list, the
// other takes it out, each remembering the node before it for the way back.
void TakeOut(JournalEntry& e) {
  e.other = e.node->prev;
  e.node->owner->Unlink(e.node);
}

void PutBack(JournalEntry& e) { e.node->owner->LinkAfter(e.node, e.other); }

void SwapBytes(JournalEntry& e) {
  if (e.bytes.size() != e.node->size) {
    throw HostFault("undo journal: saved bytes do not fit the record they belong to");
  }
  std::uint8_t* record = RecordOf(e.node);
  for (std::size_t i = 0; i < e.bytes.size(); ++i) std::swap(record[i], e.bytes[i]);
}

void MoveBack(JournalEntry& e) {
  EntityNode* now_after = e.node->prev;
  ListImpl* list = e.node->owner;
  list->Unlink(e.node);
  list->LinkAfter(e.node, e.other);
  e.other = now_after;
}

void Undo(JournalEntry& e) {
  switch (e.kind) {
    case ChangeKind::kInsert: TakeOut(e); break;
    case ChangeKind::kFree: PutBack(e); break;
    case ChangeKind::kReplace: e.other->owner->ReplaceNode(e.other, e.node); break;
    case ChangeKind::kBytes: SwapBytes(e); break;
    case ChangeKind::kRemoved: e.node->owner->SetRemoved(e.node, !e.node->state.removed); break;
    case ChangeKind::kMove: MoveBack(e); break;
    case ChangeKind::kMembers: e.node->state.members = nullptr; break;
  }
}

void Redo(JournalEntry& e) {
  switch (e.kind) {
    case ChangeKind::kInsert: PutBack(e); break;
    case ChangeKind::kFree: TakeOut(e); break;
    case ChangeKind::kReplace: e.node->owner->ReplaceNode(e.node, e.other); break;
    case ChangeKind::kBytes: SwapBytes(e); break;
    case ChangeKind::kRemoved: e.node->owner->SetRemoved(e.node, !e.node->state.removed); break;
    case ChangeKind::kMove: MoveBack(e); break;
    case ChangeKind::kMembers: e.node->state.members = e.members; break;
  }
}

// Exactly one side owns a node or member list at any time: its list while it
// is linked, otherwise the entry that took it out.
void Dispose(JournalEntry& e, bool applied) {
  switch (e.kind) {
    case ChangeKind::kInsert:
      if (!applied) DestroyNode(e.node);
      break;
    case ChangeKind::kFree:
      if (applied) DestroyNode(e.node);
      break;
    case ChangeKind::kReplace: DestroyNode(applied ? e.node : e.other); break;
    case ChangeKind::kMembers:
      if (!applied) delete e.members;
      break;
    default: break;
  }
}

}  // namespace

UndoJournal::~UndoJournal() {
  for (std::size_t s = 0; s < steps_.size(); ++s) {
    for (JournalEntry& e : steps_[s].changes) Dispose(e, s < applied_);
  }
}

void UndoJournal::DropRedoHistory() {
  for (std::size_t s = applied_; s < steps_.size(); ++s) {
    for (JournalEntry& e : steps_[s].changes) Dispose(e, false);
  }
  steps_.resize(applied_);
}

void UndoJournal::Open(bool marked) {
  DropRedoHistory();
  steps_.push_back({{}, marked});
  applied_ = steps_.size();
  open_ = true;
}

void UndoJournal::Mark() {
  if (open_ && !steps_.empty() && steps_.back().changes.empty()) {
    DropRedoHistory();
    steps_.back().marked = true;
    return;
  }
  Open(true);
}

void UndoJournal::Record(JournalEntry entry) {
  if (!open_) Open(false);
  steps_.back().changes.push_back(std::move(entry));
}

bool UndoJournal::ForgetInsert(const EntityNode* node) {
  if (!open_ || steps_.empty() || steps_.back().changes.empty()) return false;
  const JournalEntry& last = steps_.back().changes.back();
  if (last.kind != ChangeKind::kInsert || last.node != node) return false;
  steps_.back().changes.pop_back();
  return true;
}

bool UndoJournal::Undo() {
  open_ = false;
  // A step that only held changes taken back at once (a preview's copies)
  // was never a command of its own.
  while (applied_ > 0 && steps_[applied_ - 1].changes.empty() && !steps_[applied_ - 1].marked) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(applied_ - 1));
    --applied_;
  }
  if (applied_ == 0) return false;
  std::vector<JournalEntry>& changes = steps_[applied_ - 1].changes;
  for (auto it = changes.rbegin(); it != changes.rend(); ++it) vxh::Undo(*it);
  --applied_;
  return true;
}

bool UndoJournal::Redo() {
  open_ = false;
  if (applied_ == steps_.size()) return false;
  for (JournalEntry& e : steps_[applied_].changes) vxh::Redo(e);
  ++applied_;
  return true;
}

}  // namespace vxh
