// The host's own drawing commands (LINE, POLY, BOX, TEXT, UNDO, OPEN, ...),
// built from requests and continuations exactly like the pack's commands.
#pragma once

#include <string_view>

#include "host/kv_types.h"

namespace vxh {

// The handler of a host command (name in upper case); null when unknown.
vx::Handler FindHostCommand(std::string_view name);

// The name of the host command that shows the pack's About box.
inline constexpr std::string_view kAboutCommand = "ABOUT";

}  // namespace vxh
