// Names of host files: "#name" lies in the host folder (VORLIX_HOME, else
// ~/.local/share/vorlix/), any other name is taken as given. Names come from
// the pack or the script in code page 1252; paths are UTF-8, as Linux file
// names are.
#pragma once

#include <string>
#include <string_view>

namespace vxh {

// VORLIX_HOME, else ~/.local/share/vorlix/, ending in a slash: what a session
// takes as its host folder when it starts.
std::string DefaultHostPath();

// The running session's host folder, or the default one outside a session
// (defined with the session's host state).
std::string HostFolder();

std::string ResolveHostName(std::string_view cp1252_name);

}  // namespace vxh
