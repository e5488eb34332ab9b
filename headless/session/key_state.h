// Which keys a script holds down (<hold shift>, <release all>, ...). The
// Windows key-state services of the headless host read this table.
#pragma once

namespace vxh {

// The left mouse button, held between <down x,y> and <up x,y>.
inline constexpr int kLeftButton = 0x01;

void SetKeyHeld(int virtual_key, bool held);
bool KeyHeld(int virtual_key);
void ReleaseAllKeys();

}  // namespace vxh
