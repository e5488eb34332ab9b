#include "headless/win/gdi_text.h"

#include <array>
#include <cstring>
#include <map>

#include "headless/fonts/gdi_objects.h"

namespace vxh::win {

namespace {

std::map<HDC, COLORREF> g_backgrounds;
std::vector<DrawnText> g_drawn;

struct SystemColour {
  int index;
  COLORREF colour;
};

// The classic light scheme.
constexpr std::array<SystemColour, 8> kSystemColours{{
    {COLOR_MENU, 0xF0F0F0}, {5, 0xFFFFFF},  // window
    {7, 0x000000},                          // menu text
    {8, 0x000000},                          // window text
    {COLOR_BTNFACE, 0xF0F0F0}, {16, 0xA0A0A0},  // button shadow
    {17, 0x6D6D6D},                             // grey text
    {COLOR_BTNTEXT, 0x000000},
}};

constexpr int kLineHeight = 13;

COLORREF Background(HDC dc) {
  const auto it = g_backgrounds.find(dc);
  return it == g_backgrounds.end() ? kDefaultBackground : it->second;
}

}  // namespace

const std::vector<DrawnText>& DrawnTexts() { return g_drawn; }

void ClearDrawnTexts() {
  g_drawn.clear();
  g_backgrounds.clear();
}

}  // namespace vxh::win

extern "C" {

COLORREF GetBkColor(HDC dc) { return vxh::win::Background(dc); }

COLORREF SetBkColor(HDC dc, COLORREF colour) {
  const COLORREF previous = vxh::win::Background(dc);
  vxh::win::g_backgrounds[dc] = colour;
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
  vxh::win::g_drawn.push_back({dc, std::string(text, size), *rect, format, vxh::win::Background(dc)});
  if (const vxh::TextState* state = vxh::TextStateOf(dc)) {
    vxh::win::PaintOp op;
    op.kind = vxh::win::PaintKind::kText;
    op.rect = *rect;
    op.colour = state->colour;
    op.text.assign(text, size);
    op.format = format;
    op.transparent = state->background_mode == TRANSPARENT;
    op.background = vxh::win::Background(dc);
    vxh::RecordPaint(dc, std::move(op));
  }
  return vxh::win::kLineHeight;
}

}  // extern "C"
