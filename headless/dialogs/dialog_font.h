// The font of the dialog pictures. The templates are laid out in dialog units
// of the host's 8-point dialog font; the picture takes a face with that
// font's metrics (the metric-compatible face of the fonts-wine package) so
// that every text fits where the template leaves room for it, and falls
// back to a narrow sans face where that is not installed.
#pragma once

#include <cairo.h>

namespace vxh::dialogs {

// Em size in pixels of an 8-point font at 96 dpi.
inline constexpr double kDialogFontPixels = 8.0 * 96.0 / 72.0;

// Selects the dialog face at its size. Call once per picture, after the
// picture's fontconfig state exists.
void SelectDialogFont(cairo_t* cr, double pixels = kDialogFontPixels);

}  // namespace vxh::dialogs
