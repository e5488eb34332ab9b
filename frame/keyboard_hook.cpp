#include "frame/keyboard_hook.h"

#include "frame/key_classes.h"
#include "frame/pack_state.h"

namespace vx {

namespace {

constexpr std::uint32_t kKeyUpBit = 0x80000000u;
constexpr int kScanCodeShift = 16;
constexpr std::uint32_t kScanCodeMask = 0xFF;

bool IsKeyUp(LPARAM key_data) { return (static_cast<std::uint32_t>(key_data) & kKeyUpBit) != 0; }

UINT ScanCode(LPARAM key_data) { return (static_cast<std::uint32_t>(key_data) >> kScanCodeShift) & kScanCodeMask; }

void PostKeyToFocus(int virtual_key) { PostMessageA(GetFocus(), WM_KEYDOWN, virtual_key, 0); }

// The host ends its prompt on the Escape we post; the command reads the key.
void EndPromptWithKey(WPARAM virtual_key) {
  PostKeyToFocus(VK_ESCAPE);
  Pack().hooks.last_key = static_cast<std::uint8_t>(virtual_key);
}

bool TranslatesToAccept(WPARAM virtual_key, LPARAM key_data) {
  BYTE state[256] = {};
  if (!GetKeyboardState(state)) return false;
  WORD chars = 0;
  const int count = ToAscii(static_cast<UINT>(virtual_key), ScanCode(key_data), state, &chars, 0);
  return count >= 1 && (chars & 0xFF) == kLastKeyAccept;
}

void HandleKeyDown(WPARAM virtual_key, LPARAM key_data) {
  const KeyClass key_class = ClassifyKey(static_cast<unsigned>(virtual_key));
  if (key_class == KeyClass::kCommandKey || (key_class == KeyClass::kCommandLetter && Pack().hooks.letters_pass == 0)) {
    EndPromptWithKey(virtual_key);
    return;
  }
  if (key_class == KeyClass::kCommandLetter) return;
  if (TranslatesToAccept(virtual_key, key_data)) {
    Pack().hooks.last_key = kLastKeyAccept;
    PostKeyToFocus(VK_RETURN);
  }
}

}  // namespace

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM virtual_key, LPARAM key_data) {
  // Negative codes must go straight on, as Windows requires of every hook.
  if (code >= 0 && !IsKeyUp(key_data)) HandleKeyDown(virtual_key, key_data);
  return CallNextHookEx(Pack().hooks.keyboard, code, virtual_key, key_data);
}

void InstallKeyboardHook(KeyHookMode mode) {
  HookState& hooks = Pack().hooks;
  hooks.letters_pass = mode == KeyHookMode::kLettersPass ? 1 : 0;
  hooks.last_key = 0;
  hooks.keyboard = SetWindowsHookExA(WH_KEYBOARD, KeyboardHookProc, nullptr, GetCurrentThreadId());
}

void RemoveKeyboardHook() {
  HookState& hooks = Pack().hooks;
  if (hooks.keyboard != nullptr) UnhookWindowsHookEx(hooks.keyboard);
  hooks.keyboard = nullptr;
}

std::uint8_t LastKey() { return Pack().hooks.last_key; }

}  // namespace vx
