// Records the host makes outside any list (transformed or exploded pieces
// handed to the pack). The pack frees them through any list's free
// operation, like a record of a list.
#pragma once

#include <cstdint>

#include "host/kv_types.h"

namespace vxh {

// A zero-filled record of the size with its size field set.
vx::Entity NewLooseRecord(std::uint32_t size);
// A copy of a record (its size field gives its size).
vx::Entity CopyLooseRecord(const std::uint8_t* record);
void DeleteLooseRecord(vx::Entity record);

}  // namespace vxh
