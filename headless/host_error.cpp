#include "headless/host_error.h"

namespace vxh {

void NotBuilt(const char* operation) {
  throw HostFault(std::string("host operation ") + operation + " is not available in the headless host yet");
}

}  // namespace vxh
