#include "headless/win/key_state.h"

#include "headless/win/windows_state.h"

namespace vxh::win {

namespace {

bool Valid(const WindowsState& state, int virtual_key) {
  return virtual_key >= 0 && virtual_key < static_cast<int>(state.held.size());
}

}  // namespace

void SetKeyHeld(WindowsState& state, int virtual_key, bool held) {
  if (Valid(state, virtual_key)) state.held[static_cast<std::size_t>(virtual_key)] = held;
}

bool KeyHeld(const WindowsState& state, int virtual_key) {
  return Valid(state, virtual_key) && state.held[static_cast<std::size_t>(virtual_key)];
}

void ReleaseAllKeys(WindowsState& state) { state.held.fill(false); }

}  // namespace vxh::win
