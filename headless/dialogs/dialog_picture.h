// Draws a dialog template as a user sees it when it opens: the frame and
// title, and every visible control with its text, in the classic light
// scheme. Dialog units become pixels as for an 8-point font (dialog_units.h).
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

#include "headless/dialogs/dialog_template.h"

namespace vxh::dialogs {

// A picture of a part of the user interface, `width` by `height` pixels,
// drawn by `draw` into a .png or .svg file; a BadInput for another extension
// or a file that cannot be written.
void WriteInterfacePicture(const std::string& path, double width, double height,
                           const std::function<void(cairo_t*)>& draw);

// How one control looks at the moment the picture is taken.
struct ControlLook {
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  std::string text;
  std::vector<std::string> entries;  // list boxes
  int selection = -1;
};

// The look of a control as the template opens it.
ControlLook TemplateLook(const ControlTemplate& control);

// Draws what the pack painted into a control over it; `left` and `top` are
// where the dialog's client area starts in the picture.
using OwnerPaint = std::function<void(cairo_t*, const ControlTemplate&, double left, double top)>;

// Writes a .png or .svg file; a BadInput for another extension or a file
// that cannot be written.
void DrawDialogPicture(const DialogTemplate& dialog, const std::string& path);
// The same with the controls as `look` gives them, owner-drawn lists painted
// by `paint`.
void DrawDialogPicture(const DialogTemplate& dialog, const std::function<ControlLook(const ControlTemplate&)>& look,
                       const OwnerPaint& paint, const std::string& path);

}  // namespace vxh::dialogs
