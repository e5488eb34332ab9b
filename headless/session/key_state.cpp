#include "headless/session/key_state.h"

#include <array>

namespace vxh {

namespace {

std::array<bool, 256> g_held{};

bool Valid(int virtual_key) { return virtual_key >= 0 && virtual_key < static_cast<int>(g_held.size()); }

}  // namespace

void SetKeyHeld(int virtual_key, bool held) {
  if (Valid(virtual_key)) g_held[static_cast<std::size_t>(virtual_key)] = held;
}

bool KeyHeld(int virtual_key) { return Valid(virtual_key) && g_held[static_cast<std::size_t>(virtual_key)]; }

void ReleaseAllKeys() { g_held.fill(false); }

}  // namespace vxh
