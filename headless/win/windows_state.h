// What the Windows services of the headless host remember while a session
// runs: hooks, windows, menus, posted messages, the clock and the cursor
// shape, the texts drawn into device contexts, the keys held, and the fonts,
// brushes and device contexts with what they painted. The session
// owns one; a new session starts from a fresh one, as a freshly started host
// would, so nothing is reset by hand.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <vector>

#include "headless/win/clock.h"
#include "headless/win/gdi_object_table.h"
#include "headless/win/gdi_text.h"
#include "headless/win/message_queue.h"
#include "headless/win/popup_menu.h"
#include "headless/win/windows.h"
#include "host/win_api.h"

namespace vxh::win {

struct InstalledHook {
  int type;
  HOOKPROC proc;
  HHOOK handle;
};

struct WindowsState {
  std::vector<InstalledHook> hooks;  // newest first
  std::uintptr_t next_hook = 0x4800;

  std::vector<ModalWindow*> modal;  // the top one last
  std::map<HWND, HWND> parents;
  std::uintptr_t next_window = 0x20000;
  // The addresses of these two are the command line's and the main window's
  // handles: the pack only passes them on.
  char command_window = 0;
  char main_window = 0;

  std::map<HMENU, std::vector<MenuItem>> menus;
  std::uintptr_t next_menu = 0x6000;

  std::deque<PostedMessage> posted;

  DWORD ticks = kClockStart;
  HCURSOR cursor = nullptr;

  std::map<HDC, COLORREF> backgrounds;
  std::vector<DrawnText> drawn;

  std::array<bool, 256> held{};  // by virtual key

  GdiObjects gdi;
};

// The running session's state, for the Windows functions the pack calls; a
// HostFault naming `operation` when no session runs. The session defines it.
WindowsState& RunningWindows(const char* operation);

}  // namespace vxh::win
