// Runs a subcommand's work and turns its errors into an exit status and a
// message on stderr.
#pragma once

#include <functional>

namespace vxcli {

int Guarded(const std::function<void()>& work);

}  // namespace vxcli
