// Everything the headless host remembers for the session beyond the drawing
// and the script: the Windows services' state, the dialogs defined, the
// screen's record, the matrix stack, the snap grid and the host commands'
// memory. The session owns one, made with it and gone with it, so that a
// session starts as a freshly started host would and nothing is reset by hand.
#pragma once

#include <optional>

#include "headless/dialogs/dialog_table.h"
#include "headless/geometry/matrix_stack.h"
#include "headless/screen/screen_log.h"
#include "headless/session/host_command_memory.h"
#include "headless/win/windows_state.h"

namespace vxh {

struct HostState {
  win::WindowsState windows;
  // After the windows: a dialog left defined is freed before the windows go.
  dialogs::DialogTable dialogs;
  screen::ScreenState screen;
  MatrixStack matrices;
  std::optional<double> snap_grid;  // while snapping is on
  hostcmd::CommandMemory commands;
};

}  // namespace vxh
