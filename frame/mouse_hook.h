// The mouse hook installed around modal dialogs and message boxes: a right
// button closes them as if cancelled, and the command can tell afterwards.
#pragma once

#include "host/win_api.h"

namespace vx {

// Clears the right-click flag and installs the hook for the current thread.
void InstallMouseHook();
// Safe when no hook is installed.
void RemoveMouseHook();

// True once the hook saw a right button since its installation.
bool RightClickSeen();

LRESULT CALLBACK MouseHookProc(int code, WPARAM message, LPARAM hook_data);

}  // namespace vx
