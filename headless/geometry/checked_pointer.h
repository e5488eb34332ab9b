// Host operations receive raw pointers from the pack; a null one is a broken
// rule of the protocol, reported as a HostFault naming the operation.
#pragma once

#include <string>

#include "headless/host_error.h"

namespace vxh {

template <typename T>
T* Required(T* pointer, const char* operation, const char* what) {
  if (pointer == nullptr) throw HostFault(std::string(operation) + " was given no " + what);
  return pointer;
}

}  // namespace vxh
