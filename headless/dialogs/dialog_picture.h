// Draws a dialog template as a user sees it when it opens: the frame and
// title, and every visible control with its text, in the classic light
// scheme. Dialog units become pixels as for an 8-point font (dialog_units.h).
#pragma once

#include <string>

#include "headless/dialogs/dialog_template.h"

namespace vxh::dialogs {

// Writes a .png or .svg file; a BadInput for another extension or a file
// that cannot be written.
void DrawDialogPicture(const DialogTemplate& dialog, const std::string& path);

}  // namespace vxh::dialogs
