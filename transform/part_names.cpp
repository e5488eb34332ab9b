#include "transform/part_names.h"

#include <algorithm>
#include <cstring>

namespace vx {

namespace {

constexpr char kWorkFolder[] = "Work";
constexpr char kPartExtension[] = ".KVD";
constexpr std::size_t kExtensionLength = 4;

// Copies as much of text as fits after out's current contents.
void Append(char* out, std::size_t size, const char* text) {
  const std::size_t used = std::strlen(out);
  if (used + 1 >= size) return;
  const std::size_t room = size - used - 1;
  const std::size_t n = std::min(room, std::strlen(text));
  std::memcpy(out + used, text, n);
  out[used + n] = '\0';
}

}  // namespace

void FirstPartFolder(const char* host_path, char* out, std::size_t size) {
  if (size == 0) return;
  out[0] = '\0';
  if (host_path == nullptr) return Append(out, size, kWorkFolder);
  const char* last = std::strrchr(host_path, '\\');
  const std::size_t keep = last != nullptr ? static_cast<std::size_t>(last - host_path) + 1 : std::strlen(host_path);
  const std::size_t n = std::min(keep, size - 1);
  std::memcpy(out, host_path, n);
  out[n] = '\0';
  Append(out, size, kWorkFolder);
}

bool WantsExtension(const char* name) {
  const std::size_t length = std::strlen(name);
  return length < kExtensionLength || name[length - kExtensionLength] != '.';
}

void WithExtension(const char* name, char* out, std::size_t size) {
  if (size == 0) return;
  out[0] = '\0';
  Append(out, size, name);
  Append(out, size, kPartExtension);
}

}  // namespace vx
