// Drawing the working list's selection back in the normal style, for commands
// that marked entities while asking and must leave the screen as it was.
#pragma once

namespace vx {

// EDraw(0, e) for every selected entity of the working list, then ShowChanges.
void RedrawSelection();

}  // namespace vx
