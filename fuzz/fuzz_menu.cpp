// Random bytes as a command menu file: every entry's label and command text
// must lie inside the data, whatever the line ends and separators.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "script/menu_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const vx::MenuEntry& entry : vx::ReadMenuEntries(text)) {
    if (entry.label.size() > size) std::abort();
    if (entry.command_at == 0) continue;
    if (entry.command_at > size) std::abort();
    const std::string_view command = vx::CommandTextAt(text, entry.command_at);
    // An entry whose ":" ends the file has no command text: an empty view.
    if (command.empty()) continue;
    if (command.data() < text.data() || command.data() + command.size() > text.data() + text.size()) std::abort();
  }
  return 0;
}
