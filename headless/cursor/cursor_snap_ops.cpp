// ProcCsrSnap: the host's snap settings applied to its cursor point in place.
#include "headless/cursor/snap_settings.h"
#include "headless/session/session_core.h"
#include "host/host_api.h"

namespace vx {

extern "C" void KVAPI ProcCsrSnap(int mode) {
  std::array<double, 3>& cursor = vxh::SessionCore::Active("ProcCsrSnap").View().cursor;
  cursor = vxh::SnapPoint(cursor, mode);
}

}  // namespace vx
