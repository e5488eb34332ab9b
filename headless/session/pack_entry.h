// The pack as the host loads it. On Windows the host loads the library and
// its entry point registers the pack; here the program that links the pack
// hands its entry point to the host once, before the first session, so the
// host library itself never names the pack.
#pragma once

namespace vxh {

struct PackEntry {
  void (*attach)(void* module) = nullptr;
  void (*detach)() = nullptr;
};

void InstallPack(PackEntry entry);
// HostFault when no program installed a pack.
const PackEntry& InstalledPack();

}  // namespace vxh
