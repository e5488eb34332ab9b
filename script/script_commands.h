// Handlers of the script utilities (command table slots).
#pragma once

namespace vx {

void GetFileNameCommand();       // VXGETFNAMEM
void GetLayerNameCommand();      // VXGETLAYERNAMEM
void LogFileInitCommand();       // VXLOGFILEINIT
void LogFileWriteCommand();      // VXLOGFILEWRITE
void RealVariableCommand();      // VXGVD
void KeyStateCommand();          // VXKEYSTAT
void TextHeightCommand();        // VXGTH
void CommandMenuCommand();       // VXCMENU
void AttributeExplodeCommand();  // VXATTREXPL

}  // namespace vx
