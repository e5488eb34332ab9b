// ProcCsrSnap: the host's snap settings applied to its cursor point in place.
#include "headless/cursor/snap_settings.h"
#include "headless/session/session_core.h"
#include "host/host_api.h"

namespace vx {

extern "C" void KVAPI ProcCsrSnap(int mode) {
  vxh::SessionCore& session = vxh::SessionCore::Active("ProcCsrSnap");
  std::array<double, 3>& cursor = session.View().cursor;
  cursor = vxh::SnapPoint(cursor, mode, session.Host().snap_grid);
}

}  // namespace vx
