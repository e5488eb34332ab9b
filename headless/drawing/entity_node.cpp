#include "headless/drawing/entity_node.h"

#include <cstring>
#include <string>
#include <new>

#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {
namespace {

constexpr std::uint64_t kLiveMagic = 0x564F524C58454E54ull;  // "VORLXENT"
constexpr std::uint64_t kDeadMagic = 0xDEADDEADDEADDEADull;

}  // namespace

EntityNode* AllocateNode(std::uint32_t size) {
  if (size < vx::kHeaderBytes) {
    throw HostFault("a record of " + std::to_string(size) +
                    " bytes is shorter than the 32-byte entity header");
  }
  void* block = ::operator new(kNodeHeaderBytes + size, std::align_val_t{16});
  auto* node = new (block) EntityNode{};
  node->magic = kLiveMagic;
  node->size = size;
  std::memset(RecordOf(node), 0, size);
  vx::PutU32(RecordOf(node), vx::kHdrSize, size);
  return node;
}

void DestroyNode(EntityNode* node) {
  if (node == nullptr) return;
  delete node->state.members;
  node->magic = kDeadMagic;
  node->~EntityNode();
  ::operator delete(node, std::align_val_t{16});
}

EntityNode* NodeOf(vx::Entity entity, const char* operation) {
  if (entity == nullptr) {
    throw HostFault(std::string(operation) + ": no entity given (null record)");
  }
  auto* node = reinterpret_cast<EntityNode*>(entity - kNodeHeaderBytes);
  if (node->magic != kLiveMagic) {
    throw HostFault(std::string(operation) +
                    ": the record was not made by the host or has been freed");
  }
  return node;
}

}  // namespace vxh
