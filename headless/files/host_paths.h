// Names of host files: "#name" lies in the host folder (VORLIX_HOME, else
// ~/.local/share/vorlix/), any other name is taken as given.
#pragma once

#include <string>
#include <string_view>

namespace vxh {

// The running session's host folder, or the default one outside a session.
std::string HostFolder();

std::string ResolveHostName(std::string_view name);

}  // namespace vxh
