// Small operations on the controls of a running dialog, shared by the pack's
// dialogs.
#pragma once

#include "host/host_api.h"
#include "host/win_api.h"

namespace vx {

// The window of a control of the running dialog.
HWND ControlWindow(Dlg* dialog, int control);
// Enables the control when the flag is non-zero, else disables it.
void EnableControl(Dlg* dialog, int control, int flag);
// Shows the control when the flag is non-zero, else hides it.
void ShowControl(Dlg* dialog, int control, int flag);

}  // namespace vx
