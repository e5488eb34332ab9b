// The cut itself: every selected entity is split where it crosses the
// boundary, and each entity or piece is left alone, discarded or kept by its
// side and the operation.
#pragma once

#include "cut/cut_state.h"
#include "host/kv_types.h"

namespace vx {

// What the classification says of an entity or piece.
enum CutAction : int {
  kActionNoExtent = 0,
  kActionNotCut = 1,
  kActionOutside = 2,
  kActionInside = 3,
};

enum class Disposition { kUntouched, kDiscard, kKeep };

Disposition DispositionOf(int operation, int keep, CutAction action);

// Cuts the working list's selected entities with the boundary (steps 2 to 4
// of the cut: undo mark, the walk, the drawn boundary). copy_list is the list
// that receives the detail for copy / enlarge, else null.
void CutSelection(const CutSettings& settings, Entity boundary, bool boundary_is_own, DList* copy_list);

}  // namespace vx
