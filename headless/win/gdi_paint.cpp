// The painting side of the device contexts: brushes, filled rectangles,
// edges and text colours. What is painted is recorded with the context
// (gdi_objects.h) for the pictures of owner-drawn controls.
#include "headless/win/gdi_objects.h"
#include "headless/win/paint_ops.h"

extern "C" {

COLORREF SetTextColor(HDC dc, COLORREF colour) {
  vxh::TextState* state = vxh::TextStateOf(dc);
  if (state == nullptr) return 0xFFFFFFFFu;  // CLR_INVALID
  const COLORREF previous = state->colour;
  state->colour = colour;
  return previous;
}

int SetBkMode(HDC dc, int mode) {
  vxh::TextState* state = vxh::TextStateOf(dc);
  if (state == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int previous = state->background_mode;
  state->background_mode = mode;
  return previous;
}

HBRUSH CreateSolidBrush(COLORREF colour) { return vxh::AddBrush(colour); }

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  COLORREF colour = 0;
  if (rect == nullptr || vxh::TextStateOf(dc) == nullptr || !vxh::BrushColour(brush, colour)) return 0;
  vxh::win::PaintOp op;
  op.kind = vxh::win::PaintKind::kFill;
  op.rect = *rect;
  op.colour = colour;
  vxh::RecordPaint(dc, std::move(op));
  return 1;
}

BOOL DrawEdge(HDC dc, RECT* rect, UINT, UINT) {
  if (rect == nullptr || vxh::TextStateOf(dc) == nullptr) return FALSE;
  vxh::win::PaintOp op;
  op.kind = vxh::win::PaintKind::kEdge;
  op.rect = *rect;
  vxh::RecordPaint(dc, std::move(op));
  return TRUE;
}

HGDIOBJ GetStockObject(int object) { return object == DEFAULT_GUI_FONT ? vxh::StockFont() : nullptr; }

}  // extern "C"
