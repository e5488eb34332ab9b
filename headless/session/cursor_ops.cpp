// The cursor, its origin and the host resources reached through RscAdr.
#include <string>

#include "headless/host_error.h"
#include "headless/session/session_core.h"
#include "host/host_api.h"

namespace vxh {

ViewState& CurrentViewState() { return SessionCore::Active("the view").View(); }

}  // namespace vxh

namespace vx {

namespace {

// The host's main window: the pack only passes it on.
char g_main_window;

}  // namespace

extern "C" void KVAPI SetCursorOrg2(double x, double y) {
  vxh::SessionCore::Active("SetCursorOrg2").View().origin = {x, y, 0.0};
}

extern "C" void KVAPI SetCursorOrg3(double x, double y, double z) {
  vxh::SessionCore::Active("SetCursorOrg3").View().origin = {x, y, z};
}

extern "C" void* KVAPI RscAdr(int resource) {
  vxh::SessionCore& session = vxh::SessionCore::Active("RscAdr");
  vxh::ViewState& view = session.View();
  switch (resource) {
    case kRscCursor:
      return view.cursor.data();
    case kRscCursorOrigin:
      return view.origin.data();
    case kRscPick:
      return view.pick_record;
    case kRscHostPath:
      return const_cast<char*>(session.HostPath().c_str());
    default:
      throw vxh::HostFault("RscAdr: the host has no resource " + std::to_string(resource));
  }
}

extern "C" void* KVAPI GetMainWin() { return &g_main_window; }

}  // namespace vx
