// VXHATCHLAST: starts the fill command of the stored fill method.
#include <cstdio>
#include <string_view>

#include "frame/command_table.h"
#include "hatch/hatch_commands.h"
#include "hatch/hatch_state.h"
#include "hatch/hatch_storage.h"
#include "hatch/method_commands.h"
#include "host/host_api.h"
#include "host/message_boxes.h"

namespace vx {

// The command table's handler is the command itself, or, while its family is
// not built, the handler that says so.
void HatchLastCommand() {
  LoadHatchOptions();
  const std::int32_t method = Hatch().options.FillMethod();
  if (const char* name = MethodCommandName(method)) {
    for (const CommandEntry& entry : kCommands) {
      if (entry.name == name) return entry.handler();
    }
  }
  char text[80];
  std::snprintf(text, sizeof text, "The stored hatch method %d is not one of 0, 1 and 2", static_cast<int>(method));
  ShowMessage(text);
  CmdEnd();
}

}  // namespace vx
