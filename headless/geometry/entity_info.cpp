// EInfo query 1: whether an entity is closed, and whether it is plain
// geometry or a container reached through its member list.
#include <string>

#include "headless/geometry/entity_access.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/host_api.h"

namespace vxh {

namespace {

constexpr int kInfoQueryFlags = 1;
constexpr int kInfoContainer = 0x10;

bool IsClosedKind(int kind) {
  return kind == vx::kKindPolygon || kind == vx::kKindCircle || kind == vx::kKindEllipse ||
         kind == vx::kKindClosedCurve || kind == vx::kKindWall;
}

int EntityFlags(vx::Entity entity) {
  const int kind = KindOf(entity, "EInfo");
  if (IsContainerKind(kind)) return kInfoContainer;
  return vx::kInfoPlain | (IsClosedKind(kind) ? vx::kInfoClosed : 0);
}

}  // namespace

}  // namespace vxh

namespace vx {

extern "C" int KVAPI EInfo(Entity entity, int query) {
  if (query != vxh::kInfoQueryFlags) vxh::NotBuilt(("EInfo query " + std::to_string(query)).c_str());
  return vxh::EntityFlags(entity);
}

}  // namespace vx
