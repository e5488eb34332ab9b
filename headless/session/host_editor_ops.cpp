// EEdit: the host's own entity editor. The headless host has none, so it says
// so in a warning naming the entity's kind and reports that it did nothing;
// the command that asked goes on as after an editor the user closed.
#include <string>

#include "headless/geometry/entity_access.h"
#include "headless/host_error.h"
#include "headless/session/session_core.h"
#include "host/host_api.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vx {

extern "C" int KVAPI EEdit(Entity entity) {
  if (entity == nullptr) throw vxh::HostFault("EEdit: no entity");
  const std::string text =
      "The host editor is not available for " + vxh::KindName(GetI8(entity, kHdrKind)) + " entities.";
  vxh::SessionCore::Active("EEdit").MessageBox(text, "Warning", kBoxWarning);
  return 0;
}

}  // namespace vx
