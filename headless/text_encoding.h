// The pack's texts are code page 1252 bytes; scripts, transcripts, pictures
// and JSON are UTF-8. Every boundary of the headless host converts with these.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vxh {

std::string Cp1252ToUtf8(std::string_view text);

// The character a code page 1252 byte stands for; U+FFFD for the five bytes
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
char32_t Cp1252CodePoint(unsigned char byte);

// The byte code page 1252 gives a character, or nothing when it has none.
std::optional<unsigned char> Cp1252ByteOf(char32_t code);

// One character of UTF-8 text. `length` is 0 when the bytes at that place
// are not well-formed UTF-8: a stray continuation byte, a sequence cut
// short, an overlong form, a surrogate or a code point past U+10FFFF.
struct Utf8Char {
  char32_t code = 0;
  std::size_t length = 0;
};
Utf8Char ReadUtf8Char(std::string_view text, std::size_t at);

// "U+4E2D "中"", for messages that name a character.
std::string DescribeCharacter(char32_t code);

// "C0 AF": the bytes of the ill-formed sequence at `at`, for messages.
std::string DescribeBadUtf8(std::string_view text, std::size_t at);

// A text of the pack or the script, in quotes and UTF-8, for a message.
std::string QuoteForMessage(std::string_view cp1252);

// The whole of a UTF-8 text in code page 1252, or nothing when a byte
// sequence is not UTF-8 or a character has no place in the code page.
std::optional<std::string> Utf8ToCp1252(std::string_view text);

// As above, with '?' for what the code page cannot hold, as the Windows ANSI
// services do; for texts that must reach the pack whatever they hold.
std::string Utf8ToCp1252Lossy(std::string_view text);

}  // namespace vxh
