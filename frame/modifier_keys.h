// Modifier keys are read at the moment a routine runs, not taken from the
// hooks.
#pragma once

namespace vx {

// GetAsyncKeyState's low 16 bits, as an unsigned number, greater than 1: the
// key is down now. The value 1 only says that it was pressed since the last
// query, which does not count.
bool KeyStateMeansHeld(short state);

bool KeyHeld(int virtual_key);
bool CtrlHeld();
bool ShiftHeld();

}  // namespace vx
