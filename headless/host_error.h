// Errors of the headless host. Bad input (a script, a drawing file) is a
// BadInput with a message naming the problem; a broken rule of the command
// protocol or a host operation that is not built yet is a HostFault.
#pragma once

#include <stdexcept>
#include <string>

namespace vxh {

struct BadInput : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct HostFault : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Thrown by host operations whose behaviour is not built yet.
[[noreturn]] void NotBuilt(const char* operation);

}  // namespace vxh
