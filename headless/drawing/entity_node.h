// One allocation per entity: the host's bookkeeping first, the record bytes
// right after it, so the node of an entity is found from its record pointer
// without a lookup.
#pragma once

#include <cstddef>
#include <cstdint>

#include "headless/drawing/document.h"
#include "host/kv_types.h"

namespace vxh {

class ListImpl;

struct EntityNode {
  std::uint64_t magic;
  EntityNode* prev;
  EntityNode* next;
  // Where a walk that had this node as its next step goes on once the node
  // has left its list (freed, resized or undone).
  EntityNode* successor;
  ListImpl* owner;  // none for a loose record
  EntityState state;
  std::uint64_t birth;  // order of creation in its list; walks skip newer nodes
  std::uint64_t walk_stamp;
  std::uint32_t size;  // bytes of the record
  bool linked;
};

inline constexpr std::size_t kNodeHeaderBytes = (sizeof(EntityNode) + 15) & ~std::size_t{15};

// A node with a zero-filled record of the given size whose size field is set.
EntityNode* AllocateNode(std::uint32_t size);
// Destroys the node and its member list.
void DestroyNode(EntityNode* node);

inline vx::Entity RecordOf(EntityNode* node) { return reinterpret_cast<std::uint8_t*>(node) + kNodeHeaderBytes; }

// Whether the pointer is the record of a live node of the headless host.
bool IsHostRecord(vx::Entity entity);

// The node of an entity handed out by the headless host; a HostFault naming
// the operation for anything else.
EntityNode* NodeOf(vx::Entity entity, const char* operation);

}  // namespace vxh
