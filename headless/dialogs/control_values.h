// Moving values between a control and the field it is bound to.
#pragma once

#include <optional>
#include <string>

#include "headless/dialogs/dialog_object.h"

namespace vxh::dialogs {

// The control shows its field (UpdCtl).
void RefreshControl(ControlState& state);
void RefreshAllControls(vx::Dlg& dialog);

// A user's change of a control, as a script makes it: the new text of an
// edit, the entry text of a list or combo box, "1"/"0" for a check box, none
// to tick a check box or select a radio button. The field takes the value,
// the controls bound to the same field follow, and the change routine runs.
// A BadInput when the control refuses the value.
void ChangeControl(vx::Dlg& dialog, int id, const std::optional<std::string>& value);

// "control 1059 of DLGHATCHCMD", for messages.
std::string ControlName(const vx::Dlg& dialog, int id);

}  // namespace vxh::dialogs
