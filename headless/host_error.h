// Errors of the headless host. Bad input (a script, a drawing file) is a
// BadInput with a message naming the problem; an output that cannot be
// written is a WriteFailure naming the file and the system's reason; a broken
// rule of the command protocol or a host operation that is not built yet is a
// HostFault.
#pragma once

#include <stdexcept>
#include <string>

namespace vxh {

struct BadInput : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The input was good but the work could not be done: a drawing or picture
// could not be written (no such folder, no permission, a full disk).
struct WriteFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct HostFault : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Thrown by host operations whose behaviour is not built yet.
[[noreturn]] void NotBuilt(const char* operation);

}  // namespace vxh
