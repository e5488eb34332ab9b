// The registry as one session sees it: which file holds it and the keys the
// pack opened with RegOpenKeyExA and has not closed yet. A handle is the
// address of its key's path, so a stale or forged handle is found out.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "host/win_api.h"

namespace vxh::registry {

class OpenKeys {
 public:
  HKEY Open(std::string path);
  // Null when the handle is not an open key.
  const std::string* PathOf(HKEY key) const;
  // False when the handle is not an open key.
  bool Close(HKEY key);

 private:
  std::map<HKEY, std::unique_ptr<std::string>> keys_;
};

struct RegistryState {
  std::string path;  // as the session was given it; empty: the default registry
  OpenKeys keys;
};

// The running session's registry; a HostFault when no session runs (defined
// with the session's host state).
RegistryState& RunningRegistry(const char* operation);

}  // namespace vxh::registry
