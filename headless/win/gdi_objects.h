// The GDI services of the headless host: fonts made by CreateFontA and
// CreateFontIndirectA, brushes, device contexts handed out by GetDC with what
// each has selected and painted, and host view windows; all kept in the
// running session's Windows state (gdi_object_table.h).
#pragma once

#include "headless/fonts/face_match.h"
#include "headless/fonts/gdi_font.h"
#include "headless/win/gdi_object_table.h"
#include "headless/win/paint_ops.h"
#include "host/kv_types.h"
#include "host/win_api.h"

namespace vxh {

// The font selected into a live device context; nothing for an unknown
// handle. A device context starts with the default font (DejaVu Sans, cell
// height 16).
const GdiFont* SelectedFont(HDC dc);

// The stock font of the contexts (GetStockObject(DEFAULT_GUI_FONT)).
HGDIOBJ StockFont();

// Solid brushes (CreateSolidBrush); false for a handle that is none.
HBRUSH AddBrush(COLORREF colour);
bool BrushColour(HGDIOBJ brush, COLORREF& colour);

// The text state of a live context; null for an unknown handle.
TextState* TextStateOf(HDC dc);

// Records what is painted into a live context; nothing for an unknown handle.
void RecordPaint(HDC dc, win::PaintOp op);
// Hands over and forgets what was painted into the context.
std::vector<win::PaintOp> TakePaint(HDC dc);

// Host view windows (CreateXWCtrl): a view over `rect` of a window that a
// live context paints (the window itself or its parent). Null when no live
// context paints that window.
vx::DragView* OpenHostView(HWND window, const RECT& rect);
// The view's drawing; false when the view is no open host view.
bool DrawIntoHostView(vx::DragView* view, screen::Primitive primitive);
// Records the view with its drawing in its context and forgets it; false
// when the view is no open host view.
bool CloseHostView(vx::DragView* view);

}  // namespace vxh
