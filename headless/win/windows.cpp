#include "headless/win/windows.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "headless/host_error.h"
#include "host/host_api.h"

namespace vxh::win {

namespace {

std::vector<ModalWindow*> g_modal;
std::map<HWND, HWND> g_parents;
std::uintptr_t g_next_window = 0x20000;
char g_command_window;

}  // namespace

void PushModal(ModalWindow* window) { g_modal.push_back(window); }

void PopModal(ModalWindow* window) {
  const auto it = std::find(g_modal.begin(), g_modal.end(), window);
  if (it != g_modal.end()) g_modal.erase(it);
}

ModalWindow* TopModal() { return g_modal.empty() ? nullptr : g_modal.back(); }

HWND NewWindow(HWND parent) {
  const HWND window = reinterpret_cast<HWND>(g_next_window);
  g_next_window += 0x10;
  g_parents[window] = parent;
  return window;
}

void ForgetWindow(HWND window) { g_parents.erase(window); }

bool IsWindowOf(HWND window, HWND top) {
  for (int depth = 0; window != nullptr && depth < 8; ++depth) {
    if (window == top) return true;
    const auto it = g_parents.find(window);
    window = it == g_parents.end() ? nullptr : it->second;
  }
  return false;
}

HWND CommandWindow() { return reinterpret_cast<HWND>(&g_command_window); }

HWND MainWindow() { return static_cast<HWND>(vx::GetMainWin()); }

void ResetWindows() { g_modal.clear(); }

}  // namespace vxh::win

extern "C" {

HWND GetFocus() {
  const vxh::win::ModalWindow* modal = vxh::win::TopModal();
  return modal != nullptr ? modal->Focus() : vxh::win::CommandWindow();
}

HWND GetParent(HWND window) {
  if (window == vxh::win::CommandWindow()) return vxh::win::MainWindow();
  const auto it = vxh::win::g_parents.find(window);
  return it == vxh::win::g_parents.end() ? nullptr : it->second;
}

}  // extern "C"
