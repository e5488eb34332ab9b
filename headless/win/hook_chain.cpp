#include "headless/win/hook_chain.h"

#include <algorithm>
#include <string>
#include <vector>

#include "headless/host_error.h"
#include "headless/win/windows_state.h"

namespace vxh::win {

namespace {

using Hooks = std::vector<InstalledHook>;

Hooks::iterator Find(Hooks& hooks, HHOOK handle) {
  return std::find_if(hooks.begin(), hooks.end(), [&](const InstalledHook& h) { return h.handle == handle; });
}

// The first hook of the type from position `from` on. The hook may install or
// remove hooks while it runs, so the position is not used after the call.
LRESULT CallFrom(Hooks& hooks, Hooks::iterator from, int type, int code, WPARAM w, LPARAM l) {
  const auto it = std::find_if(from, hooks.end(), [&](const InstalledHook& h) { return h.type == type; });
  if (it == hooks.end()) return 0;
  return it->proc(code, w, l);
}

}  // namespace

LRESULT CallHooks(WindowsState& state, int type, WPARAM wparam, LPARAM lparam) {
  return CallFrom(state.hooks, state.hooks.begin(), type, HC_ACTION, wparam, lparam);
}

bool AnyHookInstalled(const WindowsState& state, int type) {
  return std::any_of(state.hooks.begin(), state.hooks.end(), [&](const InstalledHook& h) { return h.type == type; });
}

}  // namespace vxh::win

extern "C" {

HHOOK SetWindowsHookExA(int type, HOOKPROC proc, HINSTANCE, DWORD thread) {
  using vxh::HostFault;
  if (type != WH_KEYBOARD && type != WH_MOUSE)
    throw HostFault("SetWindowsHookExA: hook type " + std::to_string(type) +
                    " is not one the host delivers (WH_KEYBOARD 2, WH_MOUSE 7)");
  if (proc == nullptr) throw HostFault("SetWindowsHookExA: no hook procedure");
  if (thread != vxh::win::kUiThreadId)
    throw HostFault("SetWindowsHookExA: hooks are for the current thread only, got thread " + std::to_string(thread));
  vxh::win::WindowsState& state = vxh::win::RunningWindows("SetWindowsHookExA");
  const HHOOK handle = reinterpret_cast<HHOOK>(state.next_hook++);
  state.hooks.insert(state.hooks.begin(), {type, proc, handle});
  return handle;
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
  vxh::win::WindowsState& state = vxh::win::RunningWindows("UnhookWindowsHookEx");
  const auto it = vxh::win::Find(state.hooks, hook);
  if (it == state.hooks.end()) return FALSE;
  state.hooks.erase(it);
  return TRUE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wparam, LPARAM lparam) {
  vxh::win::WindowsState& state = vxh::win::RunningWindows("CallNextHookEx");
  const auto it = vxh::win::Find(state.hooks, hook);
  if (it == state.hooks.end()) return 0;
  return vxh::win::CallFrom(state.hooks, std::next(it), it->type, code, wparam, lparam);
}

DWORD GetCurrentThreadId() { return vxh::win::kUiThreadId; }

}  // extern "C"
