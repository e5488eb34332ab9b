// Draws a dialog template as a user sees it when it opens: the frame and
// title, and every visible control with its text, in the classic light
// scheme. Dialog units become pixels as for an 8-point font (dialog_units.h).
#pragma once

#include <cairo.h>

#include <functional>
#include <string>

#include "headless/dialogs/dialog_template.h"

namespace vxh::dialogs {

// A picture of a part of the user interface, `width` by `height` pixels,
// drawn by `draw` into a .png or .svg file; a BadInput for another extension
// or a file that cannot be written.
void WriteInterfacePicture(const std::string& path, double width, double height,
                           const std::function<void(cairo_t*)>& draw);

// Writes a .png or .svg file; a BadInput for another extension or a file
// that cannot be written.
void DrawDialogPicture(const DialogTemplate& dialog, const std::string& path);

}  // namespace vxh::dialogs
