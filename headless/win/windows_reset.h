// Puts every Windows service of the headless host back to its first state:
// no hooks, windows, posted messages or menus, the clock at its start.
#pragma once

namespace vxh::win {

void ResetWindowsServices();

}  // namespace vxh::win
