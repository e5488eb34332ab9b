#include "transform/drag_drawing.h"

#include <cstring>

#include "host/drag_view.h"
#include "host/host_api.h"
#include "host/win_api.h"

namespace vx {

Vec3 CursorPoint() {
  Vec3 p;
  std::memcpy(p.data(), RscAdr(kRscCursor), sizeof p);
  return p;
}

void SetCursorPoint(const Vec3& p) { std::memcpy(RscAdr(kRscCursor), p.data(), sizeof p); }

Vec3 SnappedCursor(int mode) {
  ProcCsrSnap(mode);
  return CursorPoint();
}

void DrawRubberLine3(DragView* view, const Vec3& from, const Vec3& to) {
  GetGDraw3()->line(view, from.data(), to.data());
}

void ResetLineSetting2(DragView* view) {
  const int zero = 0;
  GetGDraw2()->setting(view, &zero);
}

void DrawRubberLine2(DragView* view, const Vec2& from, const Vec2& to) {
  GetGDraw2()->line(view, from.data(), to.data());
}

void SetArrowCursor() { SetCursor(LoadCursorA(nullptr, IDC_ARROW)); }

}  // namespace vx
