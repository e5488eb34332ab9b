// Names the host compares without regard to case (registry keys, font
// families, script words, file extensions) fold ASCII letters only: the
// other bytes of a code page are never letters to the host's comparisons.
#pragma once

#include <string>
#include <string_view>

namespace vxh {

constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string AsciiLowered(std::string_view text);
std::string AsciiUppered(std::string_view text);
bool SameIgnoringCase(std::string_view a, std::string_view b);
// Whether the path ends with the extension (".dxf"), in any case.
bool HasExtension(std::string_view path, std::string_view extension);

}  // namespace vxh
