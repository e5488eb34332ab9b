// LoadFile, RelMem and FullFileName: host files for the pack.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "headless/files/host_paths.h"
#include "headless/files/whole_file.h"
#include "headless/fonts/stroke_font_install.h"
#include "host/host_api.h"

namespace vx {

namespace {

// The pack hands FullFileName a buffer of the Windows path size.
constexpr std::size_t kPathBufferBytes = 260;

}  // namespace

extern "C" {

void* KVAPI LoadFile(const char* name, std::uint32_t* size) {
  if (size != nullptr) *size = 0;
  if (name == nullptr || *name == '\0') return nullptr;
  const std::string path = vxh::ResolveHostName(name);
  if (name[0] == '#') vxh::EnsureStrokeFontFile(name + 1, path);
  const auto bytes = vxh::ReadWholeFile(path);
  if (!bytes || bytes->size() >= UINT32_MAX) return nullptr;
  // One byte more, a NUL, so text files can be read as strings.
  auto* block = static_cast<std::uint8_t*>(std::malloc(bytes->size() + 1));
  if (block == nullptr) return nullptr;
  if (!bytes->empty()) std::memcpy(block, bytes->data(), bytes->size());
  block[bytes->size()] = 0;
  if (size != nullptr) *size = static_cast<std::uint32_t>(bytes->size());
  return block;
}

void KVAPI RelMem(void* block) { std::free(block); }

int KVAPI FullFileName(const char* name, char* out) {
  if (out == nullptr) return 0;
  out[0] = '\0';
  if (name == nullptr) return 0;
  // The path as the file system spells it (UTF-8), not in the pack's code
  // page: the pack hands it straight to the C library's fopen.
  const std::string path = vxh::ResolveHostName(name);
  if (path.size() >= kPathBufferBytes) return 0;
  std::memcpy(out, path.c_str(), path.size() + 1);
  return 1;
}

}  // extern "C"

}  // namespace vx
