#include "script/drawing_name.h"

#include <algorithm>
#include <cstring>

namespace vx {

namespace {

constexpr char kNoDrawingName[] = "error.kvd";

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

void CutExtension(char* name) {
  for (std::size_t i = std::strlen(name); i > 0; --i) {
    const char c = name[i - 1];
    if (IsPathSeparator(c)) return;
    if (c == '.') {
      if (i - 1 > 0) name[i - 1] = '\0';
      return;
    }
  }
}

void DrawingNameForVariable(const char* list_name, std::size_t list_name_bytes, char* out, std::size_t out_bytes) {
  if (out_bytes == 0) return;
  const char* source = list_name != nullptr ? list_name : kNoDrawingName;
  const std::size_t limit = list_name != nullptr ? list_name_bytes : sizeof kNoDrawingName;
  // The host's name is meant to be terminated; one that is not is taken up to
  // the end of its field.
  const void* end = std::memchr(source, '\0', limit);
  const std::size_t length = end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - source) : limit;
  const std::size_t n = std::min(length, out_bytes - 1);
  std::memcpy(out, source, n);
  out[n] = '\0';
  CutExtension(out);
}

}  // namespace vx
