// Pure rules of case conversion over code page 1252 bytes: the ASCII letters
// and the letters å, ä, ö (0xE5, 0xE4, 0xF6) with their capitals; every other
// byte stays as it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// Texts of this many bytes or more are not converted.
inline constexpr std::size_t kCaseTextLimit = 1024;

enum CaseMode : int { kLowerCase = 0, kUpperCase = 1, kCapitalized = 2 };

std::uint8_t ToUpper(std::uint8_t byte);
std::uint8_t ToLower(std::uint8_t byte);
bool IsLetter(std::uint8_t byte);

// Writes the converted text to `out` and returns whether any byte changed.
// Capitalized: a byte after a letter is lowered, every other one raised.
bool ConvertCase(std::string_view text, std::string& out, int mode);

// A text that exists, is not empty, is shorter than the limit, and that the
// conversion would change.
bool WouldChangeCase(const char* text, int mode);

}  // namespace vx
