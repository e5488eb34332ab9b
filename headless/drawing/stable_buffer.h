// A growable byte buffer that never moves: the pack holds pointers into the
// settings tables (the current layer, a line style) across any number of
// host calls, so a table that grows must stay where it is. The buffer
// reserves address space once and the system commits pages as they are used.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vxh {

class StableBuffer {
 public:
  // Address space reserved per buffer; far beyond any real table.
  static constexpr std::size_t kReservedBytes = std::size_t{64} << 20;

  explicit StableBuffer(const std::vector<std::uint8_t>& bytes);
  ~StableBuffer();
  StableBuffer(const StableBuffer&) = delete;
  StableBuffer& operator=(const StableBuffer&) = delete;

  std::uint8_t* data() { return base_; }
  const std::uint8_t* data() const { return base_; }
  std::size_t size() const { return size_; }

  // Inserts bytes at `offset`; HostFault when the reservation would overflow.
  void Insert(std::size_t offset, const std::uint8_t* bytes, std::size_t count);

 private:
  std::uint8_t* base_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace vxh
