// The GDI objects of the headless host: fonts made by CreateFontA and
// CreateFontIndirectA, device contexts handed out by GetDC, and what each
// device context has selected.
#pragma once

#include "headless/fonts/face_match.h"
#include "headless/fonts/gdi_font.h"
#include "host/win_api.h"

namespace vxh {

// The font selected into a live device context; nothing for an unknown
// handle. A device context starts with the default font (DejaVu Sans, cell
// height 16).
const GdiFont* SelectedFont(HDC dc);

}  // namespace vxh
