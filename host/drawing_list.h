// The drawing-list interface: a host object reached through a table of plain
// function pointers, in the order in which the host keeps its operations.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/kv_types.h"

namespace vx {

struct DListOps {
  // Frees a temporary or part list.
  void (*release)(DList* list);
  // Copies a record built by the pack into the list; returns the new entity.
  Entity (*add_record)(DList* list, const std::uint8_t* record);
  // A new zero-filled record of the kind and size, to fill and then commit.
  Entity (*new_record)(DList* list, int kind, std::uint32_t size);
  // Returns the record to change in place; it may differ from the one given.
  Entity (*open_for_change)(DList* list, Entity entity);
  // Takes the entity out of the list (undone by restore).
  void (*remove)(DList* list, Entity entity);
  // Brings back a removed entity.
  void (*restore)(DList* list, Entity entity);
  // Deletes a temporary record.
  void (*free)(DList* list, Entity entity);
  // Returns the (possibly moved) record with its new size.
  Entity (*resize)(DList* list, Entity entity, std::uint32_t size);
  // Calls callback for each entity passing the filter, in list order; stops at
  // the first non-zero result and returns it, else 0.
  int (*walk)(DList* list, WalkCallback callback, int filter, std::intptr_t a, std::intptr_t b);
  // Ends a change or an addition and gives the entity the selection mark.
  void (*commit)(DList* list, Entity entity);
  // Clears the selection mark.
  void (*unmark)(DList* list, Entity entity);
  // 0 for a live entity of this list; non-zero otherwise.
  int (*test)(DList* list, Entity entity);
  // Returns the list that receives a group's members (made when missing).
  DList* (*make_member_list)(DList* list, Entity group);
  // The member list of a group, symbol or container; 0 when it has none.
  DList* (*member_list)(DList* list, Entity entity);
  // Moves entity to just before / just after other.
  void (*place_before)(DList* list, Entity entity, Entity other);
  void (*place_after)(DList* list, Entity entity, Entity other);
  // Starts one undo step; called once before each change of the drawing.
  void (*undo_mark)(DList* list);
  // Copies an entity of another list (or of this one) into this list.
  Entity (*copy_in)(DList* list, Entity entity);
  // The settings table with the given number, 0 when there is none.
  std::uint8_t* (*settings_table)(DList* list, int table);
};

// The host object: its operation table first, the drawing's file name at 300.
inline constexpr std::size_t kDListFileName = 300;
inline constexpr std::size_t kDListFileNameBytes = 260;

struct DList {
  const DListOps* ops;
  char reserved[kDListFileName - sizeof(const DListOps*)];
  char file_name[kDListFileNameBytes];

  void Release() { ops->release(this); }
  Entity AddRecord(const std::uint8_t* record) { return ops->add_record(this, record); }
  Entity NewRecord(int kind, std::uint32_t size) { return ops->new_record(this, kind, size); }
  Entity OpenForChange(Entity e) { return ops->open_for_change(this, e); }
  void Remove(Entity e) { ops->remove(this, e); }
  void Restore(Entity e) { ops->restore(this, e); }
  void Free(Entity e) { ops->free(this, e); }
  Entity Resize(Entity e, std::uint32_t size) { return ops->resize(this, e, size); }
  int Walk(WalkCallback cb, int filter, std::intptr_t a = 0, std::intptr_t b = 0) {
    return ops->walk(this, cb, filter, a, b);
  }
  void Commit(Entity e) { ops->commit(this, e); }
  void Unmark(Entity e) { ops->unmark(this, e); }
  int Test(Entity e) { return ops->test(this, e); }
  DList* MakeMemberList(Entity group) { return ops->make_member_list(this, group); }
  DList* MemberList(Entity e) { return ops->member_list(this, e); }
  void PlaceBefore(Entity e, Entity other) { ops->place_before(this, e, other); }
  void PlaceAfter(Entity e, Entity other) { ops->place_after(this, e, other); }
  void UndoMark() { ops->undo_mark(this); }
  Entity CopyIn(Entity e) { return ops->copy_in(this, e); }
  std::uint8_t* SettingsTable(int table) { return ops->settings_table(this, table); }
};

static_assert(offsetof(DList, file_name) == kDListFileName);

}  // namespace vx
