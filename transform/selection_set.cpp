#include "transform/selection_set.h"

#include <cstdint>

#include "frame/pack_state.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"

namespace vx {

namespace {

std::vector<Entity>& Members() { return Pack().transform.selection.entities; }

int AppendEntity(DList* list, Entity entity, std::intptr_t erase, std::intptr_t) {
  Members().push_back(entity);
  if (erase != 0) {
    EErase(0, entity);
    list->Remove(entity);
  }
  return 0;
}

SelectionSet& Set() { return Pack().transform.selection; }

void BringBackErased(DList* work) {
  if (!Set().erased) return;
  for (Entity e : Members()) work->Restore(e);
  Set().erased = false;
}

}  // namespace

void CollectSelection(bool erase) {
  Members().clear();
  Set().erased = erase;
  GetWorkDL()->Walk(AppendEntity, kWalkSelected, erase ? 1 : 0);
  if (erase) ShowChanges();
}

void FreeSelection() {
  std::vector<Entity>().swap(Members());
  Set().erased = false;
}

// The entities were taken out before the undo mark; restoring them after it
// would put the restore into the commit's step, and undoing that step would
// take them out of the drawing again.
void BeginCommitStep() {
  DList* work = GetWorkDL();
  BringBackErased(work);
  work->UndoMark();
}

// A circle or arc sheared or stretched becomes an ellipse in a new record
// that takes the copy's place: the record ETran returns is the one to free.
void PreviewEntity(DList* list, Entity entity, DragView* view, const StoredMatrix& matrix) {
  const Entity moved = ETran(list->CopyIn(entity), matrix.data());
  EDrawM(view, moved);
  list->Free(moved);
}

void PreviewSelection(DragView* view, const StoredMatrix& matrix) {
  DList* work = GetWorkDL();
  for (Entity e : Members()) PreviewEntity(work, e, view, matrix);
}

void CommitInPlace(const StoredMatrix& matrix) {
  DList* work = GetWorkDL();
  for (Entity e : Members()) {
    const Entity open = work->OpenForChange(e);
    const Entity changed = ETran(open, matrix.data());
    EDraw(0, changed);
    work->Commit(changed);
  }
  ShowChanges();
}

void CommitCopies(const StoredMatrix& matrix) {
  DList* work = GetWorkDL();
  for (Entity source : Members()) {
    const Entity copy = work->CopyIn(source);
    work->PlaceAfter(copy, source);
    const Entity changed = ETran(copy, matrix.data());
    EDraw(0, changed);
    work->Commit(changed);
    SetNewTag(changed);
  }
  ShowChanges();
}

void RestoreErased() {
  DList* work = GetWorkDL();
  for (Entity e : Members()) {
    work->Restore(e);
    EDraw(0, e);
  }
  Set().erased = false;
  ShowChanges();
}

void ReleaseSelection() {
  DList* work = GetWorkDL();
  for (Entity e : Members()) {
    work->Unmark(e);
    EDraw(0, e);
  }
  ShowChanges();
}

}  // namespace vx
