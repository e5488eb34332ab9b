#include "frame/mouse_hook.h"

#include "frame/pack_state.h"

namespace vx {

namespace {

bool IsRightButton(WPARAM message) {
  return message == WM_RBUTTONDOWN || message == WM_RBUTTONUP || message == WM_NCRBUTTONDOWN;
}

}  // namespace

LRESULT CALLBACK MouseHookProc(int code, WPARAM message, LPARAM hook_data) {
  if (code >= 0 && IsRightButton(message)) {
    Pack().hooks.right_click = 1;
    // The focus is a control of the dialog or box; its parent is the window
    // to close.
    PostMessageA(GetParent(GetFocus()), WM_CLOSE, 0, 0);
  }
  return CallNextHookEx(Pack().hooks.mouse, code, message, hook_data);
}

void InstallMouseHook() {
  HookState& hooks = Pack().hooks;
  hooks.right_click = 0;
  hooks.mouse = SetWindowsHookExA(WH_MOUSE, MouseHookProc, nullptr, GetCurrentThreadId());
}

void RemoveMouseHook() {
  HookState& hooks = Pack().hooks;
  if (hooks.mouse != nullptr) UnhookWindowsHookEx(hooks.mouse);
  hooks.mouse = nullptr;
}

bool RightClickSeen() { return Pack().hooks.right_click != 0; }

}  // namespace vx
