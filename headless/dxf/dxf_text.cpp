#include "headless/dxf/dxf_text.h"
#include "headless/ascii_case.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace vxh::dxf {

namespace {

// Code points of the bytes 0x80 to 0x9F of code page 1252 (0: unused).
constexpr unsigned kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

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
    case 'A':
    case 'C':
    case 'c':
    case 'F':
    case 'f':
    case 'H':
    case 'h':
    case 'Q':
    case 'q':
    case 'T':
    case 't':
    case 'W':
    case 'w':
    case 'p': return true;
    default: return false;
  }
}

void AppendStacked(const std::string& body, std::string& out) {
  for (char c : body) out += (c == '^' || c == '#') ? '/' : c;
}

constexpr std::size_t kEscapeBytes = 7;  // \U+XXXX

// Code points that are no characters: a byte kept as it is, and a
// character lost on the way.
constexpr unsigned kRawByte = 0x110000;
constexpr unsigned kLostCharacter = 0x220000;

bool PlainAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80 || c == '\\') return false;
  }
  return true;
}

// "ANSI_1251" -> "CP1251"; DWGCODEPAGE names the Windows code pages.
std::string IconvName(const std::string& code_page) {
  const std::string upper = AsciiUppered(code_page);
  if (upper.rfind("ANSI_", 0) == 0) return "CP" + upper.substr(5);
  if (upper.rfind("DOS", 0) == 0) return "CP" + upper.substr(3);
  return upper;
}

class Iconv {
 public:
  explicit Iconv(const std::string& from) : handle_(iconv_open("UTF-32LE", from.c_str())) {}
  ~Iconv() {
    if (Usable()) iconv_close(handle_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool Usable() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Handle() const { return handle_; }

 private:
  iconv_t handle_;
};

}  // namespace

bool InCp1252(unsigned cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return true;
  for (unsigned i = 0; i < 32; ++i) {
    if (kCp1252High[i] == cp && cp != 0) return true;
  }
  return false;
}

char Cp1252Of(unsigned cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (unsigned i = 0; i < 32; ++i) {
    if (kCp1252High[i] == cp && cp != 0) return static_cast<char>(0x80 + i);
  }
  return '?';
}

DxfDecoder::DxfDecoder(bool utf8, const std::string& code_page) : utf8_(utf8) {
  if (utf8 || code_page.empty()) return;
  const std::string name = IconvName(code_page);
  if (name == "CP1252") return;
  if (Iconv(name).Usable())
    iconv_name_ = name;
  else
    unknown_ = code_page;
}

void DxfDecoder::Append(unsigned cp, std::string& out) {
  if (cp == kLostCharacter) {
    out += '?';
    ++lost_;
  } else if (cp >= kRawByte) {
    out += static_cast<char>(cp - kRawByte);
  } else if (InCp1252(cp)) {
    out += Cp1252Of(cp);
  } else if (cp <= 0xFFFF) {
    char escape[kEscapeBytes + 1];
    std::snprintf(escape, sizeof escape, "\\U+%04X", cp);
    out += escape;
    ++escaped_;
  } else {
    out += '?';
    ++lost_;
  }
}

std::vector<unsigned> DxfDecoder::FromUtf8(const std::string& text) const {
  std::vector<unsigned> out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t n = SequenceLength(lead);
    bool whole = n != 0 && i + n <= text.size();
    for (std::size_t k = 1; whole && k < n; ++k) whole = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    if (!whole) {
      out.push_back(kLostCharacter);
      ++i;
      continue;
    }
    unsigned cp = n == 1 ? lead : lead & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    out.push_back(cp);
    i += n;
  }
  return out;
}

std::vector<unsigned> DxfDecoder::FromCodePage(const std::string& text) const {
  Iconv conv(iconv_name_);
  std::vector<unsigned> out;
  std::vector<char> buffer(4 * text.size() + 4);
  char* in = const_cast<char*>(text.data());
  std::size_t in_left = text.size();
  while (in_left > 0) {
    char* to = buffer.data();
    std::size_t to_left = buffer.size();
    const std::size_t done = iconv(conv.Handle(), &in, &in_left, &to, &to_left);
    for (const char* p = buffer.data(); p + 4 <= to; p += 4) {
      std::uint32_t cp = 0;
      std::memcpy(&cp, p, 4);
      out.push_back(cp);
    }
    if (done == static_cast<std::size_t>(-1) && in_left > 0) {
      // A byte the code page does not define.
      out.push_back(kLostCharacter);
      ++in;
      --in_left;
    }
  }
  return out;
}

// Bytes 1252 leaves undefined stay the bytes they are.
std::vector<unsigned> DxfDecoder::From1252(const std::string& text) {
  std::vector<unsigned> out;
  out.reserve(text.size());
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    const unsigned cp = b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b;
    out.push_back(cp == 0 ? kRawByte + b : cp);
  }
  return out;
}

std::string DxfDecoder::Decode(const std::string& text) {
  if (PlainAscii(text)) return text;
  const std::vector<unsigned> cps = utf8_ ? FromUtf8(text) : !iconv_name_.empty() ? FromCodePage(text) : From1252(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < cps.size(); ++i) {
    // \U+XXXX spells a character in a file of any version.
    const bool escape = cps[i] == '\\' && i + kEscapeBytes <= cps.size() && (cps[i + 1] == 'U' || cps[i + 1] == 'u') &&
                        cps[i + 2] == '+' && std::all_of(cps.begin() + i + 3, cps.begin() + i + 7, [](unsigned c) {
                          return c < 0x80 && std::isxdigit(static_cast<int>(c));
                        });
    if (!escape) {
      Append(cps[i], out);
      continue;
    }
    unsigned cp = 0;
    for (std::size_t k = 3; k < kEscapeBytes; ++k) {
      const auto c = static_cast<char>(cps[i + k]);
      cp = 16 * cp +
           static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(c) - 'A' + 10);
    }
    Append(cp, out);
    i += kEscapeBytes - 1;
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
    if (code == 'd')
      out += '\xB0';
    else if (code == 'p')
      out += '\xB1';
    else if (code == 'c')
      out += '\xD8';
    else if (code == '%')
      out += '%';
    else if (code != 'u' && code != 'o')
      out.append(text, i, 3);
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
      const auto cp = static_cast<unsigned>(std::strtoul(text.substr(i + 2, 4).c_str(), nullptr, 16));
      if (InCp1252(cp))
        out += Cp1252Of(cp);
      else
        out += "\\U+" + text.substr(i + 2, 4);
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
  const int row = (attachment - 1) / 3;            // 0 top, 1 middle, 2 bottom
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
