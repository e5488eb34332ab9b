// Undo steps of a drawing: each step is the list of changes made after one
// undo mark, undone in reverse order and redone in order. Nodes that have
// left their list stay alive in the journal, so every entry can refer to its
// nodes by address however the list changed afterwards.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vxh {

struct EntityNode;
class ListImpl;

enum class ChangeKind : std::uint8_t {
  kInsert,   // node entered its list after `other`
  kFree,     // node left its list; `other` was before it
  kReplace,  // node gave its place to `other` (resize)
  kBytes,    // node's record held `bytes` before the change
  kRemoved,  // node's removed flag flipped
  kMove,     // node moved; `other` was before it
  kMembers,  // node received the member list `members`
};

struct JournalEntry {
  ChangeKind kind;
  EntityNode* node;
  EntityNode* other;
  ListImpl* members;
  std::vector<std::uint8_t> bytes;
};

class UndoJournal {
 public:
  UndoJournal() = default;
  ~UndoJournal();
  UndoJournal(const UndoJournal&) = delete;
  UndoJournal& operator=(const UndoJournal&) = delete;

  // Opens a new step (an empty open step is reused) and drops the redo
  // history. A marked step counts for UNDO even when nothing changes in it.
  void Mark();
  // Adds a change to the open step. A change made while no step is open (a
  // new drawing, or right after an undo or redo) opens a step of its own, so
  // it is undone on its own.
  void Record(JournalEntry entry);

  // Takes back the insertion of `node` when it is the last change of the open
  // step, so that a record added and freed at once (the temporary copies a
  // drag previews) leaves no trace. False when the node has a longer history.
  bool ForgetInsert(const EntityNode* node);

  bool Undo();
  bool Redo();
  std::size_t UndoableSteps() const { return applied_; }
  std::size_t RedoableSteps() const { return steps_.size() - applied_; }

 private:
  void DropRedoHistory();
  void Open(bool marked);

  struct Step {
    std::vector<JournalEntry> changes;
    // Opened by an undo mark: a command's step even when it changed nothing,
    // so UNDO right after such a command takes back that command alone.
    bool marked = false;
  };

  std::vector<Step> steps_;
  std::size_t applied_ = 0;
  bool open_ = false;
};

}  // namespace vxh
