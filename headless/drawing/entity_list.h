// The headless host's drawing list: an intrusive doubly linked list of entity
// nodes behind a vx::DList, with the list operations the pack calls.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/drawing/entity_node.h"
#include "host/drawing_list.h"

namespace vxh {

class ListImpl final : public EntityList {
 public:
  // journal is null for lists whose changes are not undoable (temporary lists
  // and their member lists).
  ListImpl(Document& doc, UndoJournal* journal, const std::string& file_name);
  ~ListImpl() override;
  ListImpl(const ListImpl&) = delete;
  ListImpl& operator=(const ListImpl&) = delete;

  // EntityList
  vx::DList* AsDList() override { return &dlist_; }
  void ForEach(const std::function<void(vx::Entity)>& visit) const override;
  std::size_t Count() const override { return live_; }
  const EntityState& State(vx::Entity entity) const override;
  void SetSelected(vx::Entity entity, bool selected) override;
  void SetTag(vx::Entity entity, std::uint32_t tag) override;
  EntityList* Members(vx::Entity entity) const override;
  vx::Entity Append(const std::uint8_t* record) override;

  // The list operations of vx::DListOps.
  void Release();
  vx::Entity AddRecord(const std::uint8_t* record);
  vx::Entity NewRecord(int kind, std::uint32_t size);
  vx::Entity OpenForChange(vx::Entity entity);
  void Remove(vx::Entity entity);
  void Restore(vx::Entity entity);
  void Free(vx::Entity entity);
  vx::Entity Resize(vx::Entity entity, std::uint32_t size);
  int Walk(vx::WalkCallback callback, int filter, std::intptr_t a, std::intptr_t b);
  void Commit(vx::Entity entity);
  void Unmark(vx::Entity entity);
  int Test(vx::Entity entity) const;
  ListImpl* MakeMemberList(vx::Entity group);
  ListImpl* MemberList(vx::Entity entity) const;
  void PlaceBefore(vx::Entity entity, vx::Entity other);
  void PlaceAfter(vx::Entity entity, vx::Entity other);
  void UndoMark();
  vx::Entity CopyIn(vx::Entity entity);
  std::uint8_t* SettingsTable(int table);

  // Building blocks shared with the undo journal and the file reader; none of
  // them journals.
  void LinkAfter(EntityNode* node, EntityNode* after);  // after null: first
  void Unlink(EntityNode* node);
  void SetRemoved(EntityNode* node, bool removed);
  // Puts `to` where `from` is, handing over the host state and member list.
  void ReplaceNode(EntityNode* from, EntityNode* to);
  // Appends a node (record and state already set) at the end.
  void AppendNode(EntityNode* node);
  // Disposes of a node that left the list outside the journal.
  void Dispose(EntityNode* node);
  ListImpl* NewMemberList();

  EntityNode* First() const { return head_; }
  Document& Doc() const { return doc_; }
  UndoJournal* Journal() const { return journal_; }
  void SetReleaseHandler(std::function<void(ListImpl*)> handler) { on_release_ = std::move(handler); }
  void SetFileName(const std::string& name);

 private:
  EntityNode* Own(vx::Entity entity, const char* operation) const;
  EntityNode* Live(vx::Entity entity, const char* operation) const;
  EntityNode* Adopt(EntityNode* node);  // gives the node its list and birth
  EntityNode* DeepCopy(const EntityNode* source);
  void CopyMembers(const ListImpl& source);
  void Move(EntityNode* node, EntityNode* after);
  void EndWalk();

  vx::DList dlist_;
  Document& doc_;
  UndoJournal* journal_;
  EntityNode* head_ = nullptr;
  EntityNode* tail_ = nullptr;
  std::size_t live_ = 0;
  std::uint64_t next_birth_ = 1;
  int walking_ = 0;
  std::vector<EntityNode*> graveyard_;  // nodes left during a walk
  std::function<void(ListImpl*)> on_release_;

  friend class WalkScope;
};

// The list behind a DList of the headless host; HostFault otherwise.
ListImpl* ListOf(vx::DList* list, const char* operation);

}  // namespace vxh
