#include <cstdio>

#include "cli/commands.h"
#include "frame/command_table.h"

namespace vxcli {

int ListCommands() {
  for (const vx::CommandEntry& command : vx::kCommands) {
    std::printf("%-16.*s %s\n", static_cast<int>(command.name.size()), command.name.data(),
                command.built ? "" : "(not available yet)");
  }
  return kExitOk;
}

int About() {
  char text[4096];
  vx::FormatAboutText(vx::CommandNameBlock(), text, sizeof text);
  std::printf("About Vorlix\n%s\n", text);
  return kExitOk;
}

}  // namespace vxcli
