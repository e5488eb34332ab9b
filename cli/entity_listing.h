// One description per entity for `vorlix list`: a line of text, or a JSON
// object with the fields a user or a test wants to check.
#pragma once

#include <string>

#include "host/kv_types.h"

namespace vxh {
class EntityList;
}

namespace vxcli {

std::string DescribeText(const vxh::EntityList& list, vx::Entity entity, int depth);
std::string DescribeJson(const vxh::EntityList& list, vx::Entity entity);

}  // namespace vxcli
