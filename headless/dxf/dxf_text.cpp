#include "headless/dxf/dxf_text.h"

#include <cctype>
#include <cstdlib>

namespace vxh::dxf {

namespace {

// Code points of the bytes 0x80 to 0x9F of code page 1252 (0: unused).
constexpr unsigned kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Length of the UTF-8 sequence a lead byte starts; 0 for a stray byte.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

bool HexDigits(const std::string& s, std::size_t at, std::size_t count) {
  if (at + count > s.size()) return false;
  for (std::size_t i = at; i < at + count; ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(s[i]))) return false;
  }
  return true;
}

// Switches that take an argument up to ';'.
bool TakesArgument(char code) {
  switch (code) {
    case 'A': case 'C': case 'c': case 'F': case 'f': case 'H': case 'h': case 'Q': case 'q':
    case 'T': case 't': case 'W': case 'w': case 'p':
      return true;
    default:
      return false;
  }
}

void AppendStacked(const std::string& body, std::string& out) {
  for (char c : body) out += (c == '^' || c == '#') ? '/' : c;
}

}  // namespace

char Cp1252Of(unsigned cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (unsigned i = 0; i < 32; ++i) {
    if (kCp1252High[i] == cp && cp != 0) return static_cast<char>(0x80 + i);
  }
  return '?';
}

std::string Utf8ToCp1252(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t n = SequenceLength(lead);
    if (n == 0 || i + n > text.size()) {
      out += '?';
      ++i;
      continue;
    }
    unsigned cp = n == 1 ? lead : lead & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    out += Cp1252Of(cp);
    i += n;
  }
  return out;
}

std::string PlainText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "%%") != 0 || i + 2 >= text.size()) {
      out += text[i];
      continue;
    }
    const char code = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 2])));
    if (code == 'd') out += '\xB0';
    else if (code == 'p') out += '\xB1';
    else if (code == 'c') out += '\xD8';
    else if (code == '%') out += '%';
    else if (code != 'u' && code != 'o') out.append(text, i, 3);
    i += 2;
  }
  return out;
}

std::string PlainMText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '{' || c == '}') continue;
    if (c == '^' && i + 1 < text.size() && (text[i + 1] == 'I' || text[i + 1] == 'J')) {
      out += text[i + 1] == 'I' ? " " : "\r\n";
      ++i;
      continue;
    }
    if (c != '\\' || i + 1 >= text.size()) {
      out += c;
      continue;
    }
    const char code = text[++i];
    if (code == 'P' || code == 'X' || code == 'N') {
      out += "\r\n";
    } else if (code == '~') {
      out += ' ';
    } else if (code == '\\' || code == '{' || code == '}') {
      out += code;
    } else if ((code == 'U' || code == 'u') && i + 1 < text.size() && text[i + 1] == '+' && HexDigits(text, i + 2, 4)) {
      out += Cp1252Of(static_cast<unsigned>(std::strtoul(text.substr(i + 2, 4).c_str(), nullptr, 16)));
      i += 5;
    } else if (code == 'S' || TakesArgument(code)) {
      const std::size_t end = text.find(';', i + 1);
      const std::size_t stop = end == std::string::npos ? text.size() : end;
      if (code == 'S') AppendStacked(text.substr(i + 1, stop - i - 1), out);
      i = stop;
    }
    // Other switches (\L \l \O \o \K \k ...) only change the look.
  }
  return out;
}

int JustifyOfText(int horizontal, int vertical) {
  if (horizontal == 4) return 4;  // "middle": centred both ways
  const int h = (horizontal == 1 || horizontal == 2) ? horizontal : 0;
  const int v = vertical == 2 ? 1 : vertical == 3 ? 2 : 0;
  return 3 * v + h;
}

int JustifyOfAttachment(int attachment) {
  if (attachment < 1 || attachment > 9) return 6;  // top left, the MTEXT default
  const int row = (attachment - 1) / 3;  // 0 top, 1 middle, 2 bottom
  const int h = (attachment - 1) % 3;
  return 3 * (2 - row) + h;
}

DxfJustify DxfJustifyOf(int code) {
  if (code < 0 || code > 8) code = 0;
  const int v = code / 3;
  const int h = code % 3;
  // Bottom is written as baseline, the DXF default, so a plain left text
  // stays the simplest TEXT.
  return {h, v == 0 ? 0 : v + 1};
}

}  // namespace vxh::dxf
