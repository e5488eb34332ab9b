// The thread hooks of the headless host: keyboard (WH_KEYBOARD) and mouse
// (WH_MOUSE) hooks on the one user-interface thread, called newest first, each
// passing events on with CallNextHookEx as Windows does.
#pragma once

#include "host/win_api.h"

namespace vxh::win {

struct WindowsState;

// The user-interface thread's id, as GetCurrentThreadId reports it.
inline constexpr DWORD kUiThreadId = 1;

// Calls the newest hook of the type; 0 when none is installed. A non-zero
// result means a hook swallowed the event.
LRESULT CallHooks(WindowsState& state, int type, WPARAM wparam, LPARAM lparam);
bool AnyHookInstalled(const WindowsState& state, int type);

}  // namespace vxh::win
