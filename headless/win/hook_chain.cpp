#include "headless/win/hook_chain.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "headless/host_error.h"

namespace vxh::win {

namespace {

struct InstalledHook {
  int type;
  HOOKPROC proc;
  HHOOK handle;
};

std::vector<InstalledHook> g_hooks;  // newest first
std::uintptr_t g_next_handle = 0x4800;

std::vector<InstalledHook>::iterator Find(HHOOK handle) {
  return std::find_if(g_hooks.begin(), g_hooks.end(), [&](const InstalledHook& h) { return h.handle == handle; });
}

// The first hook of the type from position `from` on.
LRESULT CallFrom(std::vector<InstalledHook>::iterator from, int type, int code, WPARAM w, LPARAM l) {
  const auto it = std::find_if(from, g_hooks.end(), [&](const InstalledHook& h) { return h.type == type; });
  if (it == g_hooks.end()) return 0;
  return it->proc(code, w, l);
}

}  // namespace

LRESULT CallHooks(int type, WPARAM wparam, LPARAM lparam) {
  return CallFrom(g_hooks.begin(), type, HC_ACTION, wparam, lparam);
}

bool AnyHookInstalled(int type) {
  return std::any_of(g_hooks.begin(), g_hooks.end(), [&](const InstalledHook& h) { return h.type == type; });
}

void ResetHooks() { g_hooks.clear(); }

}  // namespace vxh::win

extern "C" {

HHOOK SetWindowsHookExA(int type, HOOKPROC proc, HINSTANCE, DWORD thread) {
  using vxh::HostFault;
  if (type != WH_KEYBOARD && type != WH_MOUSE)
    throw HostFault("SetWindowsHookExA: hook type " + std::to_string(type) +
                    " is not one the host delivers (WH_KEYBOARD 2, WH_MOUSE 7)");
  if (proc == nullptr) throw HostFault("SetWindowsHookExA: no hook procedure");
  if (thread != vxh::win::kUiThreadId)
    throw HostFault("SetWindowsHookExA: hooks are for the current thread only, got thread " +
                    std::to_string(thread));
  const HHOOK handle = reinterpret_cast<HHOOK>(vxh::win::g_next_handle++);
  vxh::win::g_hooks.insert(vxh::win::g_hooks.begin(), {type, proc, handle});
  return handle;
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
  const auto it = vxh::win::Find(hook);
  if (it == vxh::win::g_hooks.end()) return FALSE;
  vxh::win::g_hooks.erase(it);
  return TRUE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wparam, LPARAM lparam) {
  const auto it = vxh::win::Find(hook);
  if (it == vxh::win::g_hooks.end()) return 0;
  return vxh::win::CallFrom(std::next(it), it->type, code, wparam, lparam);
}

DWORD GetCurrentThreadId() { return vxh::win::kUiThreadId; }

}  // extern "C"
