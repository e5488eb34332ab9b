#include "frame/link_button.h"

#include <string>

#include "host/win_api.h"

namespace vx {

namespace {

constexpr int kFontHeight = 15;
constexpr UINT kDrawFormat = DT_BOTTOM | DT_NOCLIP | DT_INTERNAL;  // 0x1108

// The address as a C string, since Windows wants one.
const char* AddressText() {
  static const std::string text(kProductWebAddress);
  return text.c_str();
}

HFONT CreateLinkFont() {
  return CreateFontA(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, 0, 0, 0, 0, VARIABLE_PITCH | FF_SWISS,
                     nullptr);
}

}  // namespace

int LinkButtonPress(Dlg*, int) {
  ShellExecuteA(nullptr, "open", AddressText(), nullptr, nullptr, SW_SHOWNORMAL);
  return 0;
}

void LinkButtonDraw(Dlg*, int, void* draw_item) {
  const auto* item = static_cast<const DRAWITEMSTRUCT*>(draw_item);
  HDC dc = item->hDC;
  RECT rect = item->rcItem;
  const COLORREF old_background = GetBkColor(dc);
  HFONT font = CreateLinkFont();
  HGDIOBJ old_font = SelectObject(dc, font);
  SetBkColor(dc, GetSysColor(COLOR_MENU));
  DrawTextA(dc, AddressText(), static_cast<int>(kProductWebAddress.size()), &rect, kDrawFormat);
  SelectObject(dc, old_font);
  SetBkColor(dc, old_background);
  DeleteObject(font);
}

}  // namespace vx
