#include "script/menu_file.h"

namespace vx {

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// A label ends at ":" or at the line's end. A file written with line feeds
// alone ends its labels there too, instead of running into the next line.
std::size_t LabelEnd(std::string_view data, std::size_t from) {
  std::size_t i = from;
  while (i < data.size() && data[i] != ':' && !IsLineEnd(data[i])) ++i;
  return i;
}

}  // namespace

std::vector<MenuEntry> ReadMenuEntries(std::string_view data) {
  std::vector<MenuEntry> entries;
  std::size_t i = 0;
  while (i < data.size()) {
    const std::size_t end = LabelEnd(data, i);
    const std::string_view label = data.substr(i, end - i);
    if (!label.empty()) {
      MenuEntry entry;
      entry.separator = label.front() == '-';
      if (!entry.separator) {
        entry.label = std::string(label);
        if (end < data.size() && data[end] == ':') entry.command_at = static_cast<std::uint32_t>(end + 1);
      }
      entries.push_back(std::move(entry));
    }
    i = end;
    while (i < data.size() && !IsLineEnd(data[i])) ++i;
    while (i < data.size() && IsLineEnd(data[i])) ++i;
  }
  return entries;
}

std::string_view CommandTextAt(std::string_view data, std::uint32_t offset) {
  if (offset >= data.size()) return {};
  std::size_t end = offset;
  while (end < data.size() && !IsLineEnd(data[end])) ++end;
  return data.substr(offset, end - offset);
}

}  // namespace vx
