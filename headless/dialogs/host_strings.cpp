// The host's string operations: StCopy, StLen, StMatch.
#include <cstring>

#include "headless/dialogs/string_match.h"
#include "headless/host_error.h"
#include "host/host_api.h"

extern "C" {

void KVAPI StCopy(char* destination, const char* source) {
  if (destination == nullptr) throw vxh::HostFault("StCopy: no destination");
  const char* text = source != nullptr ? source : "";
  std::memmove(destination, text, std::strlen(text) + 1);
}

int KVAPI StLen(const char* text) { return text != nullptr ? static_cast<int>(std::strlen(text)) : 0; }

int KVAPI StMatch(const char* pattern, const char* text) {
  if (pattern == nullptr || text == nullptr) return 0;
  return vxh::dialogs::WildcardMatch(pattern, text) ? 1 : 0;
}

}  // extern "C"
