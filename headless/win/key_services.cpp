// The Windows key-state services, read from the keys a script holds
// (<hold shift>, and the key of a <key NAME> while it is down).
#include <cstring>

#include "headless/win/key_names.h"
#include "headless/win/key_state.h"
#include "headless/win/windows_state.h"
#include "host/win_api.h"

namespace {

constexpr SHORT kDownNow = static_cast<SHORT>(0x8000);
constexpr BYTE kDownBit = 0x80;

}  // namespace

extern "C" {

SHORT GetAsyncKeyState(int key) {
  return vxh::win::KeyHeld(vxh::win::RunningWindows("GetAsyncKeyState"), key) ? kDownNow : 0;
}

BOOL GetKeyboardState(PBYTE state) {
  if (state == nullptr) return FALSE;
  const vxh::win::WindowsState& held = vxh::win::RunningWindows("GetKeyboardState");
  for (int key = 0; key < 256; ++key) state[key] = vxh::win::KeyHeld(held, key) ? kDownBit : 0;
  return TRUE;
}

int ToAscii(UINT key, UINT, const BYTE* state, WORD* out, UINT) {
  if (state == nullptr || out == nullptr) return 0;
  const bool shift = (state[VK_SHIFT] & kDownBit) != 0;
  const bool ctrl = (state[VK_CONTROL] & kDownBit) != 0;
  const char c = vxh::win::CharacterOf(static_cast<int>(key), shift, ctrl);
  if (c == 0) return 0;
  *out = static_cast<unsigned char>(c);
  return 1;
}

}  // extern "C"
