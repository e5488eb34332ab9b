// The pack's command table: the 53 user commands in registration order.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "host/kv_types.h"

namespace vx {

inline constexpr std::size_t kCommandCount = 53;

struct CommandEntry {
  std::string_view name;
  Handler handler;
  bool built;  // false: the handler only says that the command is not there yet
};

// Slot i + 1 of the handler array starts kCommands[i].
extern const std::array<CommandEntry, kCommandCount> kCommands;

// The registration blocks built from the table.
const char* CommandNameBlock();
const Handler* HandlerArray();  // kCommandCount + 2 words, About first, 0 last

// Handler of slot 0.
void AboutHandler();

// Builds the About text exactly as the About box shows it.
std::size_t FormatAboutText(const char* name_block, char* out, std::size_t size);

}  // namespace vx
