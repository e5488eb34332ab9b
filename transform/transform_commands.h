// Handlers of the interactive transform commands (command table slots).
#pragma once

namespace vx {

void MoveCommand();     // VXMOVE
void CopyCommand();     // VXCOPY
void RotateCommand();   // VXROTATE
void Rotate2Command();  // VXROTATE2
void ScaleCommand();    // VXSCALE
void ShearCommand();    // VXSHEAR
void PartCommand();     // VXPART
void PartMCommand();    // VXPARTM

}  // namespace vx
