#include "headless/drawing/stable_buffer.h"

#include <sys/mman.h>

#include <cstring>
#include <string>

#include "headless/host_error.h"

namespace vxh {

StableBuffer::StableBuffer(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() > kReservedBytes) {
    throw HostFault("a settings table of " + std::to_string(bytes.size()) + " bytes is larger than the host keeps");
  }
  void* mapped =
      mmap(nullptr, kReservedBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (mapped == MAP_FAILED) throw HostFault("no address space left for a settings table");
  base_ = static_cast<std::uint8_t*>(mapped);
  if (!bytes.empty()) std::memcpy(base_, bytes.data(), bytes.size());
  size_ = bytes.size();
}

StableBuffer::~StableBuffer() { munmap(base_, kReservedBytes); }

void StableBuffer::Insert(std::size_t offset, const std::uint8_t* bytes, std::size_t count) {
  if (offset > size_) throw HostFault("settings table insertion past its end");
  if (count > kReservedBytes - size_) {
    throw HostFault("a settings table grew past " + std::to_string(kReservedBytes) + " bytes");
  }
  std::memmove(base_ + offset + count, base_ + offset, size_ - offset);
  std::memcpy(base_ + offset, bytes, count);
  size_ += count;
}

}  // namespace vxh
