// A picture of a dialog while it runs: the controls as they stand (texts,
// ticks, list entries and selections, what is enabled and shown) and the
// owner-drawn lists as the pack last painted them.
#pragma once

#include <string>

#include "headless/dialogs/dialog_object.h"
#include "headless/render/picture_styles.h"

namespace vxh::dialogs {

// Writes a .png or .svg file; a BadInput for another extension or a file
// that cannot be written. Host views draw entities with the styles given.
void DrawRunningDialog(const vx::Dlg& dialog, const PictureStyles& styles, const std::string& path);

}  // namespace vxh::dialogs
