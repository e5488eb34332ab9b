#include "cli/guarded.h"

#include <iostream>

#include "cli/commands.h"
#include "headless/host_error.h"

namespace vxcli {

int Guarded(const std::function<void()>& work) {
  try {
    work();
    return kExitOk;
  } catch (const vxh::BadInput& e) {
    std::cerr << "vorlix: " << e.what() << "\n";
    return kExitBadInput;
  } catch (const vxh::WriteFailure& e) {
    std::cerr << "vorlix: " << e.what() << "\n";
    return kExitFailure;
  } catch (const std::exception& e) {
    std::cerr << "vorlix: " << e.what() << "\n";
    return kExitFailure;
  }
}

}  // namespace vxcli
