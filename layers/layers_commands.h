// Handlers of the layer, order and grouping commands (command table slots).
#pragma once

namespace vx {

void LayersCommand();   // VXLAYERS
void HideFCommand();    // VXHIDEF
void ShowFCommand();    // VXSHOWF
void ThawFCommand();    // VXTHAWF
void FreezeFCommand();  // VXFREEZEF
void FrontCommand();    // VXFRONT
void BackCommand();     // VXBACK
void Group1Command();   // VXGROUP1
void SameAsCommand();   // VXSAMEAS

}  // namespace vx
