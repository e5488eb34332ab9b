#include "headless/text_encoding.h"

#include <cstdint>
#include <cstdio>

namespace vxh {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of bytes 0x80 to 0x9F; 0 where the code page leaves a hole.
constexpr char16_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The range the second byte of a sequence must lie in. Narrowing it for
// E0, ED, F0 and F4 is what refuses overlong forms, surrogates and code
// points past U+10FFFF, as the well-formed byte sequences of Unicode do.
struct Lead {
  std::size_t length;
  unsigned char second_low, second_high;
  char32_t bits;
};

std::optional<Lead> LeadOf(unsigned char byte) {
  if (byte >= 0xC2 && byte <= 0xDF) return Lead{2, 0x80, 0xBF, byte & 0x1Fu};
  if (byte == 0xE0) return Lead{3, 0xA0, 0xBF, 0};
  if (byte == 0xED) return Lead{3, 0x80, 0x9F, 0xD};
  if (byte >= 0xE1 && byte <= 0xEF) return Lead{3, 0x80, 0xBF, byte & 0x0Fu};
  if (byte == 0xF0) return Lead{4, 0x90, 0xBF, 0};
  if (byte >= 0xF1 && byte <= 0xF3) return Lead{4, 0x80, 0xBF, byte & 0x07u};
  if (byte == 0xF4) return Lead{4, 0x80, 0x8F, 4};
  return std::nullopt;
}

std::string Hex(unsigned value, int digits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
  return buffer;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) AppendUtf8(out, Cp1252CodePoint(static_cast<unsigned char>(c)));
  return out;
}

char32_t Cp1252CodePoint(unsigned char byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  const char16_t code = kHighControls[byte - 0x80];
  return code != 0 ? code : kReplacement;
}

std::optional<unsigned char> Cp1252ByteOf(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
  for (unsigned i = 0; i < 32; ++i)
    if (kHighControls[i] != 0 && kHighControls[i] == code) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

Utf8Char ReadUtf8Char(std::string_view text, std::size_t at) {
  if (at >= text.size()) return {};
  const auto first = static_cast<unsigned char>(text[at]);
  if (first < 0x80) return {first, 1};
  const std::optional<Lead> lead = LeadOf(first);
  if (!lead || at + lead->length > text.size()) return {};
  const auto second = static_cast<unsigned char>(text[at + 1]);
  if (second < lead->second_low || second > lead->second_high) return {};
  char32_t code = (lead->bits << 6) | (second & 0x3Fu);
  for (std::size_t i = 2; i < lead->length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if (!IsContinuation(next)) return {};
    code = (code << 6) | (next & 0x3Fu);
  }
  return {code, lead->length};
}

std::string DescribeCharacter(char32_t code) {
  std::string out = "U+" + Hex(static_cast<unsigned>(code), 4);
  // A control character would upset the message it stands in.
  if (code >= 0x20 && code != 0x7F && !(code >= 0x80 && code < 0xA0)) {
    out += " \"";
    AppendUtf8(out, code);
    out += '"';
  }
  return out;
}

std::string DescribeBadUtf8(std::string_view text, std::size_t at) {
  std::string out;
  for (std::size_t i = at; i < text.size() && i < at + 4; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (i > at && !IsContinuation(byte)) break;
    if (i > at) out += ' ';
    out += Hex(byte, 2);
  }
  return out;
}

std::string QuoteForMessage(std::string_view cp1252) { return '"' + Cp1252ToUtf8(cp1252) + '"'; }

namespace {

std::optional<std::string> ToCp1252(std::string_view text, std::optional<char> substitute) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Char c = ReadUtf8Char(text, at);
    const std::optional<unsigned char> byte = c.length == 0 ? std::nullopt : Cp1252ByteOf(c.code);
    if (!byte && !substitute) return std::nullopt;
    out += byte ? static_cast<char>(*byte) : *substitute;
    at += c.length == 0 ? 1 : c.length;
  }
  return out;
}

}  // namespace

std::optional<std::string> Utf8ToCp1252(std::string_view text) { return ToCp1252(text, std::nullopt); }

std::string Utf8ToCp1252Lossy(std::string_view text) { return *ToCp1252(text, '?'); }

}  // namespace vxh
