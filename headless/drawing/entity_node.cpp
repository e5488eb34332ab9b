#include "headless/drawing/entity_node.h"

#include <cstring>
#include <new>
#include <string>

#include "headless/drawing/address_set.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {
namespace {

constexpr std::uint64_t kLiveMagic = 0x564F524C58454E54ull;  // "VORLXENT"
constexpr std::uint64_t kDeadMagic = 0xDEADDEADDEADDEADull;

// Every live node, so that a pointer the pack hands back is recognised
// without reading memory in front of it: the pack may pass records of its
// own (a scan line, a record built in place) where host records also go.
AddressSet& LiveNodes() {
  static AddressSet nodes;
  return nodes;
}

}  // namespace

EntityNode* AllocateNode(std::uint32_t size) {
  if (size < vx::kHeaderBytes) {
    throw HostFault("a record of " + std::to_string(size) + " bytes is shorter than the 32-byte entity header");
  }
  void* block = ::operator new (kNodeHeaderBytes + size, std::align_val_t{16});
  auto* node = new (block) EntityNode{};
  node->magic = kLiveMagic;
  node->size = size;
  LiveNodes().Insert(node);
  std::memset(RecordOf(node), 0, size);
  vx::PutU32(RecordOf(node), vx::kHdrSize, size);
  return node;
}

void DestroyNode(EntityNode* node) {
  if (node == nullptr) return;
  delete node->state.members;
  LiveNodes().Erase(node);
  node->magic = kDeadMagic;
  node->~EntityNode();
  ::operator delete (node, std::align_val_t{16});
}

bool IsHostRecord(vx::Entity entity) {
  if (entity == nullptr) return false;
  // Compared as integers: the address in front of a foreign record need not
  // belong to any object.
  const auto address = reinterpret_cast<std::uintptr_t>(entity) - kNodeHeaderBytes;
  return LiveNodes().Contains(reinterpret_cast<const EntityNode*>(address));
}

EntityNode* NodeOf(vx::Entity entity, const char* operation) {
  if (entity == nullptr) {
    throw HostFault(std::string(operation) + ": no entity given (null record)");
  }
  if (!IsHostRecord(entity)) {
    throw HostFault(std::string(operation) + ": the record was not made by the host or has been freed");
  }
  return reinterpret_cast<EntityNode*>(entity - kNodeHeaderBytes);
}

}  // namespace vxh
