#include "headless/files/host_paths.h"

#include "headless/session/session_core.h"
#include "headless/text_encoding.h"

namespace vxh {

std::string HostFolder() {
  if (const SessionCore* session = SessionCore::ActiveOrNull()) return session->HostPath();
  return DefaultHostPath();
}

std::string ResolveHostName(std::string_view cp1252_name) {
  if (cp1252_name.empty() || cp1252_name.front() != '#') return Cp1252ToUtf8(cp1252_name);
  return HostFolder() + Cp1252ToUtf8(cp1252_name.substr(1));
}

}  // namespace vxh
