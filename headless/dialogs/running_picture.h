// A picture of a dialog while it runs: the controls as they stand (texts,
// ticks, list entries and selections, what is enabled and shown) and the
// owner-drawn lists as the pack last painted them.
#pragma once

#include <string>

#include "headless/dialogs/dialog_object.h"

namespace vxh::dialogs {

// Writes a .png or .svg file; a BadInput for another extension or a file
// that cannot be written.
void DrawRunningDialog(const vx::Dlg& dialog, const std::string& path);

}  // namespace vxh::dialogs
