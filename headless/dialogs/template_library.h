// Every dialog template of the pack's resource scripts, read once from the
// embedded copies.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "headless/dialogs/dialog_template.h"

namespace vxh::dialogs {

// The template of that name, or nullptr.
const DialogTemplate* FindDialogTemplate(std::string_view name);
std::vector<std::string> DialogTemplateNames();

}  // namespace vxh::dialogs
