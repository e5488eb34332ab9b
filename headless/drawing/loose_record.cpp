#include "headless/drawing/loose_record.h"

#include <cstring>

#include "headless/drawing/entity_node.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

vx::Entity NewLooseRecord(std::uint32_t size) { return RecordOf(AllocateNode(size)); }

vx::Entity CopyLooseRecord(const std::uint8_t* record) {
  if (record == nullptr) throw HostFault("CopyLooseRecord: no record given");
  const std::uint32_t size = vx::GetU32(record, vx::kHdrSize);
  vx::Entity copy = NewLooseRecord(size);
  std::memcpy(copy, record, size);
  return copy;
}

void DeleteLooseRecord(vx::Entity record) {
  EntityNode* node = NodeOf(record, "DeleteLooseRecord");
  if (node->owner != nullptr) throw HostFault("DeleteLooseRecord: the record belongs to a list");
  DestroyNode(node);
}

}  // namespace vxh
