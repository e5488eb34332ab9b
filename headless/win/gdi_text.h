// The text side of the device contexts: background colours and the texts
// drawn with DrawTextA, kept per context so that tests and pictures can see
// what an owner-drawn control drew. The contexts themselves and their fonts
// are made by the font services (GetDC, CreateFontA, SelectObject).
#pragma once

#include <string>
#include <vector>

#include "host/win_api.h"

namespace vxh::win {

struct WindowsState;

inline constexpr COLORREF kDefaultBackground = 0xFFFFFF;

struct DrawnText {
  HDC dc;
  std::string text;
  RECT rect;
  UINT format;
  COLORREF background;
};

const std::vector<DrawnText>& DrawnTexts(const WindowsState& state);

}  // namespace vxh::win
