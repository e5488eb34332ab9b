// Handlers of the cut and trim commands (command table slots).
#pragma once

namespace vx {

void MultiTrimCommand();  // VXMTRIM
void CutCommand();        // VXCUT

}  // namespace vx
