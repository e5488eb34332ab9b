// A set of addresses with open addressing: no allocation per member and
// short probe runs. The host asks it on every operation whether a pointer is
// one of its records, and changes it for every record it makes or frees.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vxh {

class AddressSet {
 public:
  // Null is never a member: it marks a free slot.
  bool Insert(const void* address);
  bool Erase(const void* address);
  bool Contains(const void* address) const;
  std::size_t Size() const { return size_; }

 private:
  std::size_t Home(std::uintptr_t key) const;
  std::size_t Find(std::uintptr_t key) const;  // its slot, or the free one that ends its run
  void Grow();

  std::vector<std::uintptr_t> slots_;  // a power of two of them, or none
  std::size_t size_ = 0;
};

}  // namespace vxh
