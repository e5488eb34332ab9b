#include "headless/dialogs/owner_draw.h"

#include <algorithm>

#include "headless/dialogs/dialog_units.h"
#include "headless/win/gdi_objects.h"

namespace vxh::dialogs {

namespace {

RECT ControlRect(const ControlTemplate& c) {
  return RECT{UnitsToPixelsX(c.x), UnitsToPixelsY(c.y), UnitsToPixelsX(c.x + c.width), UnitsToPixelsY(c.y + c.height)};
}

void DrawItem(vx::Dlg& d, int id, ControlState& state, HDC dc, UINT index, const RECT& rect) {
  DRAWITEMSTRUCT item{};
  item.CtlType = state.tpl->kind == ControlKind::kList ? ODT_LISTBOX : ODT_BUTTON;
  item.CtlID = static_cast<UINT>(id);
  item.itemID = index;
  item.itemAction = ODA_DRAWENTIRE;
  item.itemState =
      state.tpl->kind == ControlKind::kList && static_cast<int>(index) == state.selection ? ODS_SELECTED : 0;
  item.hwndItem = state.window;
  item.hDC = dc;
  item.rcItem = rect;
  if (state.tpl->kind == ControlKind::kList) item.itemData = static_cast<std::uintptr_t>(state.entries[index].data);
  state.binding.draw(&d, id, &item);
}

void PaintList(vx::Dlg& d, int id, ControlState& state, HDC dc) {
  const RECT box = ControlRect(*state.tpl);
  const int rows = std::max(1, static_cast<int>((box.bottom - box.top) / kOwnerDrawnItemHeight));
  const int shown = std::min(rows, static_cast<int>(state.entries.size()));
  for (int i = 0; i < shown; ++i) {
    const RECT rect{box.left, box.top + i * kOwnerDrawnItemHeight, box.right,
                    box.top + (i + 1) * kOwnerDrawnItemHeight};
    DrawItem(d, id, state, dc, static_cast<UINT>(i), rect);
  }
}

}  // namespace

void PaintOwnerDrawn(vx::Dlg& d) {
  d.painted.clear();
  for (auto& [id, state] : d.controls) {
    if (!state.visible || state.binding.draw == nullptr || !state.tpl->OwnerDrawn()) continue;
    HDC dc = GetDC(d.window);
    if (state.tpl->kind == ControlKind::kList) {
      PaintList(d, id, state, dc);
    } else {
      DrawItem(d, id, state, dc, 0, ControlRect(*state.tpl));
    }
    d.painted[id] = TakePaint(dc);
    ReleaseDC(d.window, dc);
  }
}

}  // namespace vxh::dialogs
