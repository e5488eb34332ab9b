#include "headless/files/host_paths.h"

#include <cstdlib>

#include "headless/text_encoding.h"

namespace vxh {

std::string DefaultHostPath() {
  std::string path;
  if (const char* home = std::getenv("VORLIX_HOME"); home != nullptr && *home != '\0') {
    path = home;
  } else if (const char* user = std::getenv("HOME"); user != nullptr && *user != '\0') {
    path = std::string(user) + "/.local/share/vorlix/";
  } else {
    path = "./";
  }
  if (path.back() != '/' && path.back() != '\\') path += '/';
  return path;
}

std::string ResolveHostName(std::string_view cp1252_name) {
  if (cp1252_name.empty() || cp1252_name.front() != '#') return Cp1252ToUtf8(cp1252_name);
  return HostFolder() + Cp1252ToUtf8(cp1252_name.substr(1));
}

}  // namespace vxh
