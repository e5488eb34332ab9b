#include "text/case_rules.h"

#include <cstring>

namespace vx {

std::uint8_t ToUpper(std::uint8_t byte) {
  if (byte >= 'a' && byte <= 'z') return static_cast<std::uint8_t>(byte - 'a' + 'A');
  switch (byte) {
    case 0xE5: return 0xC5;
    case 0xE4: return 0xC4;
    case 0xF6: return 0xD6;
    default: return byte;
  }
}

std::uint8_t ToLower(std::uint8_t byte) {
  if (byte >= 'A' && byte <= 'Z') return static_cast<std::uint8_t>(byte - 'A' + 'a');
  switch (byte) {
    case 0xC5: return 0xE5;
    case 0xC4: return 0xE4;
    case 0xD6: return 0xF6;
    default: return byte;
  }
}

bool IsLetter(std::uint8_t byte) {
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) return true;
  switch (byte) {
    case 0xC4:
    case 0xC5:
    case 0xD6:
    case 0xE4:
    case 0xE5:
    case 0xF6: return true;
    default: return false;
  }
}

bool ConvertCase(std::string_view text, std::string& out, int mode) {
  out.assign(text);
  bool changed = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(text[i]);
    std::uint8_t converted = 0;
    if (mode == kLowerCase) {
      converted = ToLower(byte);
    } else if (mode == kUpperCase || i == 0 || !IsLetter(static_cast<std::uint8_t>(text[i - 1]))) {
      converted = ToUpper(byte);
    } else {
      converted = ToLower(byte);
    }
    out[i] = static_cast<char>(converted);
    changed = changed || converted != byte;
  }
  return changed;
}

bool WouldChangeCase(const char* text, int mode) {
  if (text == nullptr) return false;
  const std::size_t length = strnlen(text, kCaseTextLimit);
  if (length == 0 || length >= kCaseTextLimit) return false;
  std::string scratch;
  return ConvertCase(std::string_view(text, length), scratch, mode);
}

}  // namespace vx
