#include "headless/drawing/address_set.h"

namespace vxh {

namespace {

constexpr std::size_t kFirstCapacity = 64;

std::uintptr_t KeyOf(const void* address) { return reinterpret_cast<std::uintptr_t>(address); }

}  // namespace

// Records are 16-byte aligned, so the low four bits carry nothing. Records
// made one after another get slots at a nearly constant stride, which the
// processor's prefetcher follows through a large table; the page number
// added in spreads page-aligned records, whose low bits are all alike.
std::size_t AddressSet::Home(std::uintptr_t key) const {
  const std::uint64_t x = static_cast<std::uint64_t>(key) >> 4;
  return static_cast<std::size_t>(x + (x >> 8)) & (slots_.size() - 1);
}

std::size_t AddressSet::Find(std::uintptr_t key) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = Home(key);
  while (slots_[slot] != 0 && slots_[slot] != key) slot = (slot + 1) & mask;
  return slot;
}

bool AddressSet::Contains(const void* address) const {
  const std::uintptr_t key = KeyOf(address);
  if (key == 0 || slots_.empty()) return false;
  return slots_[Find(key)] == key;
}

bool AddressSet::Insert(const void* address) {
  const std::uintptr_t key = KeyOf(address);
  if (key == 0) return false;
  // At most half full keeps the probe runs short.
  if (2 * (size_ + 1) > slots_.size()) Grow();
  const std::size_t slot = Find(key);
  if (slots_[slot] == key) return false;
  slots_[slot] = key;
  ++size_;
  return true;
}

// Backward-shift deletion: members after the freed slot move up where their
// home allows, so no tombstones lengthen later look-ups.
bool AddressSet::Erase(const void* address) {
  const std::uintptr_t key = KeyOf(address);
  if (key == 0 || slots_.empty()) return false;
  const std::size_t mask = slots_.size() - 1;
  std::size_t hole = Find(key);
  if (slots_[hole] != key) return false;
  for (std::size_t next = (hole + 1) & mask; slots_[next] != 0; next = (next + 1) & mask) {
    const std::size_t home = Home(slots_[next]);
    // A member whose home lies cyclically in (hole, next] must stay.
    const bool stays = hole <= next ? (home > hole && home <= next) : (home > hole || home <= next);
    if (stays) continue;
    slots_[hole] = slots_[next];
    hole = next;
  }
  slots_[hole] = 0;
  --size_;
  return true;
}

void AddressSet::Grow() {
  std::vector<std::uintptr_t> old = std::move(slots_);
  slots_.assign(old.empty() ? kFirstCapacity : 2 * old.size(), 0);
  for (const std::uintptr_t key : old) {
    if (key != 0) slots_[Find(key)] = key;
  }
}

}  // namespace vxh
