#include "frame/modifier_keys.h"

#include <cstdint>

#include "host/win_api.h"

namespace vx {

bool KeyStateMeansHeld(short state) { return static_cast<std::uint16_t>(state) > 1; }

bool KeyHeld(int virtual_key) { return KeyStateMeansHeld(GetAsyncKeyState(virtual_key)); }

bool CtrlHeld() { return KeyHeld(VK_CONTROL); }

bool ShiftHeld() { return KeyHeld(VK_SHIFT); }

}  // namespace vx
