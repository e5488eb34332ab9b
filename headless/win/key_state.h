// Which keys a script holds down (<hold shift>, <release all>, ...). The
// Windows key-state services of the headless host read this table.
#pragma once

namespace vxh::win {

struct WindowsState;

// The left mouse button, held between <down x,y> and <up x,y>.
inline constexpr int kLeftButton = 0x01;

void SetKeyHeld(WindowsState& state, int virtual_key, bool held);
bool KeyHeld(const WindowsState& state, int virtual_key);
void ReleaseAllKeys(WindowsState& state);

}  // namespace vxh::win
