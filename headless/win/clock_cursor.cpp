// Time, the mouse position and the mouse cursor shape.
#include <cstdint>
#include <string>

#include "headless/host_error.h"
#include "headless/script/view_state.h"
#include "headless/win/clock.h"
#include "headless/win/windows_state.h"
#include "host/win_api.h"

namespace vxh::win {

void AdvanceClock(WindowsState& state, DWORD milliseconds) { state.ticks += milliseconds; }

}  // namespace vxh::win

extern "C" {

DWORD GetTickCount() { return vxh::win::RunningWindows("GetTickCount").ticks; }

// The cursor in pixels of the view, y downwards as on a screen.
BOOL GetCursorPos(POINT* point) {
  if (point == nullptr) return FALSE;
  const vxh::ViewState& state = vxh::CurrentViewState();
  const vxh::script::ViewSpec& v = state.view;
  point->x = static_cast<LONG>((state.cursor[0] - v.x1) / (v.x2 - v.x1) * v.width_px);
  point->y = static_cast<LONG>((v.y2 - state.cursor[1]) / (v.y2 - v.y1) * v.height_px);
  return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) {
  HCURSOR& current = vxh::win::RunningWindows("SetCursor").cursor;
  const HCURSOR previous = current;
  current = cursor;
  return previous;
}

// Only the system cursors exist; the pack ships none of its own.
HCURSOR LoadCursorA(HINSTANCE module, LPCSTR name) {
  const auto id = reinterpret_cast<std::uintptr_t>(name);
  if (module != nullptr || id > 0xFFFF)
    throw vxh::HostFault("LoadCursorA: only the system cursors (IDC_ARROW, ...) are available");
  return reinterpret_cast<HCURSOR>(id);
}

}  // extern "C"
