#include "text/font_table.h"

#include <cstring>

#include "host/record.h"
#include "host/settings_layout.h"

namespace vx {

namespace {

// The longest name the table's name field holds, NUL included.
constexpr std::size_t kLongestEntry = kFontRecordBytes;

FontType TypeOf(std::uint8_t raw) {
  if (raw == kFontStroke) return FontType::kStroke;
  if (raw == kFontTrueType) return FontType::kTrueType;
  return FontType::kOther;
}

}  // namespace

std::optional<FontEntry> FindFontEntry(const std::uint8_t* table, std::uint16_t number) {
  if (table == nullptr) return std::nullopt;
  for (const std::uint8_t* entry = table + kTableFirstRecord;;) {
    const std::uint32_t size = GetU32(entry, kRecSize);
    if (size <= kFontName) return std::nullopt;
    const char* name = reinterpret_cast<const char*>(entry + kFontName);
    const std::size_t room = std::min<std::size_t>(size - kFontName, kLongestEntry - kFontName);
    const std::size_t length = strnlen(name, room);
    if (length == room) return std::nullopt;
    if (GetU16(entry, kFontNumber) == number) return FontEntry{TypeOf(GetU8(entry, kFontType)), {name, length}};
    entry += size;
  }
}

}  // namespace vx
