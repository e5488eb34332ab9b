#include "headless/win/key_names.h"
#include "headless/ascii_case.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <string>

namespace vxh::win {

namespace {

struct NamedKey {
  const char* name;
  int virtual_key;
};

constexpr std::array<NamedKey, 14> kNamedKeys{{
    {"TAB", VK_TAB},
    {"LEFT", VK_LEFT},
    {"UP", VK_UP},
    {"RIGHT", VK_RIGHT},
    {"DOWN", VK_DOWN},
    {"DELETE", VK_DELETE},
    {"ADD", VK_ADD},
    {"SUBTRACT", VK_SUBTRACT},
    {"ESCAPE", VK_ESCAPE},
    {"ESC", VK_ESCAPE},
    {"ENTER", VK_RETURN},
    {"RETURN", VK_RETURN},
    {"SPACE", VK_SPACE},
    {"BACK", VK_BACK},
}};

// Keys of the US layout that give a punctuation character: the plain and the
// shifted character.
struct PunctuationKey {
  int virtual_key;
  char plain;
  char shifted;
};

constexpr std::array<PunctuationKey, 11> kPunctuation{{
    {0xBA, ';', ':'},
    {0xBB, '=', '+'},
    {0xBC, ',', '<'},
    {0xBD, '-', '_'},
    {0xBE, '.', '>'},
    {0xBF, '/', '?'},
    {0xC0, '`', '~'},
    {0xDB, '[', '{'},
    {0xDC, '\\', '|'},
    {0xDD, ']', '}'},
    {0xDE, '\'', '"'},
}};

constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

// Set-1 scan codes of the keys a script can press.
struct ScanCode {
  int virtual_key;
  std::uint8_t scan;
  bool extended;
};

constexpr std::array<ScanCode, 14> kSpecialScanCodes{{
    {VK_ESCAPE, 0x01, false},
    {VK_BACK, 0x0E, false},
    {VK_TAB, 0x0F, false},
    {VK_RETURN, 0x1C, false},
    {VK_SPACE, 0x39, false},
    {VK_SHIFT, 0x2A, false},
    {VK_CONTROL, 0x1D, false},
    {VK_LEFT, 0x4B, true},
    {VK_UP, 0x48, true},
    {VK_RIGHT, 0x4D, true},
    {VK_DOWN, 0x50, true},
    {VK_DELETE, 0x53, true},
    {VK_ADD, 0x4E, false},
    {VK_SUBTRACT, 0x4A, false},
}};

constexpr std::string_view kLetterRows = "QWERTYUIOPASDFGHJKLZXCVBNM";
constexpr std::array<std::uint8_t, 26> kLetterScans{0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18,
                                                    0x19, 0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25,
                                                    0x26, 0x2C, 0x2D, 0x2E, 0x2F, 0x30, 0x31, 0x32};

std::optional<KeyStroke> StrokeForCharacter(char c) {
  if (c >= 'a' && c <= 'z') return KeyStroke{c - 'a' + 'A', false};
  if (c >= 'A' && c <= 'Z') return KeyStroke{c, true};
  if (c >= '0' && c <= '9') return KeyStroke{c, false};
  if (const std::size_t digit = kShiftedDigits.find(c); digit != std::string_view::npos)
    return KeyStroke{static_cast<int>('0' + digit), true};
  for (const PunctuationKey& k : kPunctuation) {
    if (k.plain == c) return KeyStroke{k.virtual_key, false};
    if (k.shifted == c) return KeyStroke{k.virtual_key, true};
  }
  return std::nullopt;
}

std::uint8_t ScanOf(int virtual_key, bool& extended) {
  extended = false;
  for (const ScanCode& s : kSpecialScanCodes)
    if (s.virtual_key == virtual_key) {
      extended = s.extended;
      return s.scan;
    }
  if (virtual_key >= 'A' && virtual_key <= 'Z') return kLetterScans[kLetterRows.find(static_cast<char>(virtual_key))];
  if (virtual_key >= '1' && virtual_key <= '9') return static_cast<std::uint8_t>(virtual_key - '1' + 2);
  if (virtual_key == '0') return 0x0B;
  return 0;
}

char NumpadCharacter(int virtual_key) {
  if (virtual_key >= 0x60 && virtual_key <= 0x69) return static_cast<char>('0' + virtual_key - 0x60);
  switch (virtual_key) {
    case 0x6A: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case 0x6E: return '.';
    case 0x6F: return '/';
    default: return 0;
  }
}

}  // namespace

std::optional<KeyStroke> KeyStrokeFor(std::string_view name) {
  if (name.size() == 1) return StrokeForCharacter(name[0]);
  const std::string upper = AsciiUppered(name);
  for (const NamedKey& k : kNamedKeys)
    if (upper == k.name) return KeyStroke{k.virtual_key, false};
  return std::nullopt;
}

char CharacterOf(int virtual_key, bool shift, bool ctrl) {
  if (virtual_key >= 'A' && virtual_key <= 'Z') {
    if (ctrl) return static_cast<char>(virtual_key - 'A' + 1);
    return static_cast<char>(shift ? virtual_key : virtual_key - 'A' + 'a');
  }
  if (ctrl) return 0;
  if (virtual_key >= '0' && virtual_key <= '9')
    return shift ? kShiftedDigits[static_cast<std::size_t>(virtual_key - '0')] : static_cast<char>(virtual_key);
  for (const PunctuationKey& k : kPunctuation)
    if (k.virtual_key == virtual_key) return shift ? k.shifted : k.plain;
  switch (virtual_key) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_TAB: return '\t';
    case VK_BACK: return '\b';
    case VK_ESCAPE: return 27;
    default: return NumpadCharacter(virtual_key);
  }
}

LPARAM KeyData(int virtual_key, bool key_up) {
  bool extended = false;
  std::uint32_t data = 1u | (static_cast<std::uint32_t>(ScanOf(virtual_key, extended)) << 16);
  if (extended) data |= 1u << 24;
  if (key_up) data |= (1u << 30) | (1u << 31);
  return static_cast<LPARAM>(data);
}

}  // namespace vxh::win
