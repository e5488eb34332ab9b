// Everything the headless host remembers for the session beyond the drawing
// and the script: the Windows services' state and the dialogs defined. The
// session owns one, made with it and gone with it, so that a session starts
// as a freshly started host would and nothing is reset by hand.
#pragma once

#include "headless/dialogs/dialog_table.h"
#include "headless/win/windows_state.h"

namespace vxh {

struct HostState {
  win::WindowsState windows;
  // After the windows: a dialog left defined is freed before the windows go.
  dialogs::DialogTable dialogs;
};

}  // namespace vxh
