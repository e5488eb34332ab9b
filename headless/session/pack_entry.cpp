#include "headless/session/pack_entry.h"

#include "headless/host_error.h"

namespace vxh {

namespace {

// Constant-initialised, so it is in place before any program's static
// initialisers install the pack.
constinit PackEntry g_installed{};

}  // namespace

void InstallPack(PackEntry entry) { g_installed = entry; }

const PackEntry& InstalledPack() {
  if (g_installed.attach == nullptr || g_installed.detach == nullptr) {
    throw HostFault("no pack is installed: the program must link the pack and install its entry point");
  }
  return g_installed;
}

}  // namespace vxh
