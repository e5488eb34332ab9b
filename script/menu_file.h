// The command menu file: one line per entry, "label:command text". A label
// starting with "-" is a separator; a line without ":" is an item that runs
// nothing; an empty label adds nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

struct MenuEntry {
  bool separator = false;
  std::string label;
  // Offset of the command text (just after the ":") from the start of the
  // data; 0 for an item without one. Used as the menu item's identifier.
  std::uint32_t command_at = 0;
};

std::vector<MenuEntry> ReadMenuEntries(std::string_view data);

// The command text at `offset`: up to the next carriage return, line feed or
// the end of the data.
std::string_view CommandTextAt(std::string_view data, std::uint32_t offset);

}  // namespace vx
