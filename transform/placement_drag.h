// The placement drag shared by move, copy, part insertion and the cut piece:
// without modifiers the entities follow the snapped cursor, CTRL scales them
// by vertical movement, SHIFT turns them about the placed point in 15-degree
// steps, SHIFT and CTRL together turn them freely.
#pragma once

#include "host/kv_types.h"
#include "transform/transform_state.h"

namespace vx {

enum class PlacementVariant {
  kMoveCopy,  // F is the from point; rubber line from F
  kPart,      // F is the part's origin, not translated; no visible rubber line
  kCutPiece,  // F is the piece's centre; SHIFT is not read
};

// Draws the entities under a matrix into the drag view.
using PreviewRoutine = void (*)(DragView* view, const StoredMatrix& matrix);

// A new run: no angle, scale 1, F and B as given; L is kept on purpose.
void StartPlacement(PlacementState& state, const Vec3& from, const Vec3& base);

// One drag call: computes from the cursor and the modifiers unless the
// cursor has not moved, then draws entities, rubber line, feedback, cursor.
void PlacementDrag(DragView* view, PlacementState& state, PlacementVariant variant, PreviewRoutine preview);

// The matrix that carries F to `base` with the state's angle and scale,
// built through the host's matrix stack in the variant's order.
// The matrix a placement commits. A point given where the drag last computed
// is a click on what the preview showed, and commits exactly that (snapped
// base, rotation about it); any other point is taken as typed.
StoredMatrix CommittedPlacement(const PlacementState& state, PlacementVariant variant, const Vec3& given);

StoredMatrix PlacementMatrix(const PlacementState& state, PlacementVariant variant, const Vec3& base);

// Smallest typed scale that counts; smaller, zero and negative ones change
// nothing.
inline constexpr double kSmallestTypedScale = 0.0001;

// A number typed at the placement prompt: the new scale when it counts, and
// in any case L moves so that the next drag call recomputes.
void TakeTypedScale(PlacementState& state, double typed);

}  // namespace vx
