// DLG_VXCUT: the operation, the side to keep, the boundary kind, whether the
// boundary is drawn and the detail's default scale.
#pragma once

#include "cut/cut_state.h"

namespace vx {

// Runs the dialog on the settings with the right-click hook around it. True
// when the run goes on: OK, or closed by a right click.
bool AskCutSettings(CutSettings& settings);

}  // namespace vx
