// Popup menus. TrackPopupMenu(Ex) shows the menu in the transcript and takes
// the script's next token: <menu N> chooses the N-th item (counted from 1,
// separators not counted), <esc> dismisses the menu.
#pragma once

#include <string>
#include <vector>

#include "host/win_api.h"

namespace vxh::win {

struct WindowsState;

struct MenuItem {
  bool separator = false;
  UINT id = 0;
  std::string text;
};

// The items of a menu made with CreatePopupMenu; a HostFault for any other
// handle.
const std::vector<MenuItem>& MenuItems(const WindowsState& state, HMENU menu);
// "Open | Save | - | Quit": how the transcript shows a menu.
std::string DescribeMenu(const std::vector<MenuItem>& items);

}  // namespace vxh::win
