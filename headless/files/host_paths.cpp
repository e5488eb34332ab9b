#include "headless/files/host_paths.h"

#include "headless/session/session_core.h"

namespace vxh {

std::string HostFolder() {
  if (const SessionCore* session = SessionCore::ActiveOrNull()) return session->HostPath();
  return DefaultHostPath();
}

std::string ResolveHostName(std::string_view name) {
  if (name.empty() || name.front() != '#') return std::string(name);
  return HostFolder() + std::string(name.substr(1));
}

}  // namespace vxh
