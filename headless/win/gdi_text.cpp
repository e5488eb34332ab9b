#include "headless/win/gdi_text.h"

#include <array>
#include <cstring>
#include <map>

#include "headless/win/gdi_objects.h"
#include "headless/win/windows_state.h"

namespace vxh::win {

namespace {

struct SystemColour {
  int index;
  COLORREF colour;
};

// The classic light scheme.
constexpr std::array<SystemColour, 8> kSystemColours{{
    {COLOR_MENU, 0xF0F0F0},
    {5, 0xFFFFFF},  // window
    {7, 0x000000},  // menu text
    {8, 0x000000},  // window text
    {COLOR_BTNFACE, 0xF0F0F0},
    {16, 0xA0A0A0},  // button shadow
    {17, 0x6D6D6D},  // grey text
    {COLOR_BTNTEXT, 0x000000},
}};

constexpr int kLineHeight = 13;

COLORREF Background(const WindowsState& state, HDC dc) {
  const auto it = state.backgrounds.find(dc);
  return it == state.backgrounds.end() ? kDefaultBackground : it->second;
}

}  // namespace

const std::vector<DrawnText>& DrawnTexts(const WindowsState& state) { return state.drawn; }

}  // namespace vxh::win

extern "C" {

COLORREF GetBkColor(HDC dc) { return vxh::win::Background(vxh::win::RunningWindows("GetBkColor"), dc); }

COLORREF SetBkColor(HDC dc, COLORREF colour) {
  vxh::win::WindowsState& state = vxh::win::RunningWindows("SetBkColor");
  const COLORREF previous = vxh::win::Background(state, dc);
  state.backgrounds[dc] = colour;
  return previous;
}

DWORD GetSysColor(int index) {
  for (const vxh::win::SystemColour& c : vxh::win::kSystemColours)
    if (c.index == index) return c.colour;
  return 0;
}

int DrawTextA(HDC dc, LPCSTR text, int length, RECT* rect, UINT format) {
  if (text == nullptr || rect == nullptr) return 0;
  const std::size_t size = length < 0 ? std::strlen(text) : static_cast<std::size_t>(length);
  vxh::win::WindowsState& state = vxh::win::RunningWindows("DrawTextA");
  const COLORREF background = vxh::win::Background(state, dc);
  state.drawn.push_back({dc, std::string(text, size), *rect, format, background});
  if (const vxh::TextState* text_state = vxh::TextStateOf(dc)) {
    vxh::win::PaintOp op;
    op.kind = vxh::win::PaintKind::kText;
    op.rect = *rect;
    op.colour = text_state->colour;
    op.text.assign(text, size);
    op.format = format;
    op.transparent = text_state->background_mode == TRANSPARENT;
    op.background = background;
    vxh::RecordPaint(dc, std::move(op));
  }
  return vxh::win::kLineHeight;
}

}  // extern "C"
