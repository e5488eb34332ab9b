// SNAP: the host's snap grid, which ProcCsrSnap applies to the cursor of the
// drags. "SNAP;0.5" snaps to a 0.5 grid, "SNAP;off" turns snapping off.
#include <cstring>
#include <optional>
#include <string>

#include "headless/ascii_case.h"
#include "headless/cursor/snap_settings.h"
#include "headless/script/values.h"
#include "headless/session/host_command_memory.h"
#include "headless/session/host_command_support.h"
#include "headless/session/host_commands_list.h"
#include "headless/session/pack_registry.h"
#include "headless/session/session_core.h"
#include "host/host_api.h"

namespace vxh::hostcmd {

namespace {

char* Answer() { return Memory("SNAP").snap; }

bool SaysOff(const char* text) { return AsciiUppered(text) == "OFF"; }

void SnapGiven(int status) {
  if (status == vx::kStatusAnswered) {
    const std::optional<double> grid = script::ParseNumber(Answer());
    if (SaysOff(Answer())) {
      SessionCore::Active("SNAP").Host().snap_grid.reset();
    } else if (grid && *grid > 0) {
      SessionCore::Active("SNAP").Host().snap_grid = CheckedSnapGrid(grid);
    } else {
      ShowError("The snap grid is a size above 0, or off");
    }
  }
  vx::CmdEnd();
}

}  // namespace

void SnapCommand() {
  std::memset(Answer(), 0, kTextBufferBytes);
  AskText(Answer(), "Snap grid (a size, or off):", SnapGiven);
}

}  // namespace vxh::hostcmd
