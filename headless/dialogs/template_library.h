// Every dialog template of the pack's resource scripts and of the host's own,
// read once from the embedded copies.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "headless/dialogs/dialog_template.h"

namespace vxh::dialogs {

// The template of that name, or nullptr.
const DialogTemplate* FindDialogTemplate(std::string_view name);
std::vector<std::string> DialogTemplateNames();

// The host's own templates (its editor), which DefDlg does not offer the pack.
const DialogTemplate* FindHostDialogTemplate(std::string_view name);
std::vector<std::string> HostDialogTemplateNames();

}  // namespace vxh::dialogs
