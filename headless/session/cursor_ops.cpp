// The cursor, its origin, its snap and the host resources reached through
// RscAdr.
#include <string>

#include "headless/cursor/snap_settings.h"
#include "headless/host_error.h"
#include "headless/session/session_core.h"
#include "headless/win/windows.h"
#include "host/host_api.h"

namespace vx {

extern "C" void KVAPI SetCursorOrg2(double x, double y) {
  vxh::SessionCore::Active("SetCursorOrg2").View().origin = {x, y, 0.0};
}

extern "C" void KVAPI SetCursorOrg3(double x, double y, double z) {
  vxh::SessionCore::Active("SetCursorOrg3").View().origin = {x, y, z};
}

extern "C" void KVAPI ProcCsrSnap(int mode) {
  vxh::SessionCore& session = vxh::SessionCore::Active("ProcCsrSnap");
  std::array<double, 3>& cursor = session.View().cursor;
  cursor = vxh::SnapPoint(cursor, mode, session.Host().snap_grid);
}

extern "C" void* KVAPI RscAdr(int resource) {
  vxh::SessionCore& session = vxh::SessionCore::Active("RscAdr");
  vxh::ViewState& view = session.View();
  switch (resource) {
    case kRscCursor: return view.cursor.data();
    case kRscCursorOrigin: return view.origin.data();
    case kRscPick: return view.pick_record;
    case kRscHostPath: return const_cast<char*>(session.HostPath().c_str());
    default: throw vxh::HostFault("RscAdr: the host has no resource " + std::to_string(resource));
  }
}

extern "C" void* KVAPI GetMainWin() {
  return vxh::win::MainWindow(vxh::SessionCore::Active("GetMainWin").Host().windows);
}

}  // namespace vx
