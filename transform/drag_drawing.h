// What every drag draws besides the entities: rubber lines, the cursor, and
// the host cursor point it reads and writes.
#pragma once

#include "host/kv_types.h"
#include "transform/transform_state.h"

namespace vx {

// The host's cursor point (three doubles), unsnapped.
Vec3 CursorPoint();
void SetCursorPoint(const Vec3& p);
// The cursor after the host's snap settings (ProcCsrSnap); the mode says which.
inline constexpr int kSnapForPlacement = 2;
inline constexpr int kSnapForDrag = 0;
Vec3 SnappedCursor(int mode);

void DrawRubberLine3(DragView* view, const Vec3& from, const Vec3& to);
// 2-D drags reset the 2-D object's setting before their first line.
void ResetLineSetting2(DragView* view);
void DrawRubberLine2(DragView* view, const Vec2& from, const Vec2& to);

void SetArrowCursor();

}  // namespace vx
