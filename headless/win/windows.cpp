#include "headless/win/windows.h"

#include <algorithm>

#include "headless/win/windows_state.h"

namespace vxh::win {

void PushModal(WindowsState& state, ModalWindow* window) { state.modal.push_back(window); }

void PopModal(WindowsState& state, ModalWindow* window) {
  const auto it = std::find(state.modal.begin(), state.modal.end(), window);
  if (it != state.modal.end()) state.modal.erase(it);
}

ModalWindow* TopModal(const WindowsState& state) { return state.modal.empty() ? nullptr : state.modal.back(); }

HWND NewWindow(WindowsState& state, HWND parent) {
  const HWND window = reinterpret_cast<HWND>(state.next_window);
  state.next_window += 0x10;
  state.parents[window] = parent;
  return window;
}

void ForgetWindow(WindowsState& state, HWND window) { state.parents.erase(window); }

bool IsWindowOf(const WindowsState& state, HWND window, HWND top) {
  for (int depth = 0; window != nullptr && depth < 8; ++depth) {
    if (window == top) return true;
    const auto it = state.parents.find(window);
    window = it == state.parents.end() ? nullptr : it->second;
  }
  return false;
}

HWND CommandWindow(WindowsState& state) { return reinterpret_cast<HWND>(&state.command_window); }

HWND MainWindow(WindowsState& state) { return reinterpret_cast<HWND>(&state.main_window); }

}  // namespace vxh::win

extern "C" {

HWND GetFocus() {
  vxh::win::WindowsState& state = vxh::win::RunningWindows("GetFocus");
  const vxh::win::ModalWindow* modal = vxh::win::TopModal(state);
  return modal != nullptr ? modal->Focus() : vxh::win::CommandWindow(state);
}

HWND GetParent(HWND window) {
  vxh::win::WindowsState& state = vxh::win::RunningWindows("GetParent");
  if (window == vxh::win::CommandWindow(state)) return vxh::win::MainWindow(state);
  const auto it = state.parents.find(window);
  return it == state.parents.end() ? nullptr : it->second;
}

}  // extern "C"
