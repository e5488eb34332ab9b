// The selection set of the interactive transforms: the working list's
// selected entities gathered once, then previewed, committed or put back.
// Every operation acts on the pack's one set (TransformState::selection).
#pragma once

#include "host/kv_types.h"
#include "transform/transform_state.h"

namespace vx {

// Appends every selected entity of the working list in list order. With
// erase, each leaves the screen and the list (remove) until it is committed
// or restored.
void CollectSelection(bool erase);
void FreeSelection();

// Draws each entity transformed by the matrix into the drag view through a
// temporary copy; the drawing does not change.
void PreviewSelection(DragView* view, const StoredMatrix& matrix);
// Previews one entity of any list the same way (part lists, cut pieces).
void PreviewEntity(DList* list, Entity entity, DragView* view, const StoredMatrix& matrix);

// Opens the undo step of a commit: the working list's undo mark, after
// bringing back what CollectSelection took out, so that the step holds the
// change alone and undoing it leaves the entities where they were.
void BeginCommitStep();
void CommitInPlace(const StoredMatrix& matrix);
// Transformed copies, each placed just after its source; the sources stay in
// the set, so the operation can be repeated.
void CommitCopies(const StoredMatrix& matrix);

// Cancel paths: brings erased entities back, or clears the selection marks.
void RestoreErased();
void ReleaseSelection();

}  // namespace vx
