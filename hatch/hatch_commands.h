// Handlers of the hatch commands built so far.
#pragma once

namespace vx {

void HatchStandardCommand();  // VXHATCHSTANDARD
void HatchLastCommand();      // VXHATCHLAST
void HatchOptSelCommand();    // VXHATCHOPTSEL
void HatchOptModCommand();    // VXHATCHOPTMOD
void HatchOptCommand();       // VXHATCHOPT
void HatchScanCommand();      // VXHATCHSCAN
void HatchSmartCommand();     // VXHATCHSMART
void HatchExplodeCommand();   // VXHEXPLODE

}  // namespace vx
