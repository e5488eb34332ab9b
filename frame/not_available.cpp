#include "frame/not_available.h"

#include <cstdio>

#include "frame/command_table.h"
#include "host/host_api.h"
#include "host/message_boxes.h"

namespace vx {

void ShowNotAvailable(std::size_t slot) {
  char text[96];
  const std::string_view name = kCommands.at(slot - 1).name;
  std::snprintf(text, sizeof text, "%.*s is not available yet", static_cast<int>(name.size()),
                name.data());
  ShowMessage(text);
  CmdEnd();
}

}  // namespace vx
