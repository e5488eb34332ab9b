// Reads the dialog templates of a resource script: DIALOG and DIALOGEX with
// their STYLE, EXSTYLE, CAPTION, FONT and controls (CONTROL, PUSHBUTTON,
// DEFPUSHBUTTON, EDITTEXT, LTEXT, CTEXT, RTEXT, GROUPBOX, COMBOBOX, LISTBOX,
// AUTORADIOBUTTON, RADIOBUTTON, AUTOCHECKBOX, CHECKBOX, ICON). Other
// resources (icons, string tables) are passed over. Bad input is a BadInput
// "file:line: message".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "headless/dialogs/dialog_template.h"

namespace vxh::dialogs {

std::vector<DialogTemplate> ParseResourceScript(std::string_view source, const std::string& file);

}  // namespace vxh::dialogs
