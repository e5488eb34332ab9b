#include "headless/win/wsprintf.h"

#include <cstdint>
#include <cstring>

#include "headless/host_error.h"
#include "host/win_api.h"

namespace vxh::win {

namespace {

struct Spec {
  bool left = false;
  bool zero = false;
  bool alternate = false;
  int width = 0;
  int precision = -1;
  char size = 0;  // 'l', 'h' or 0
  char conversion = 0;
};

int ReadNumber(const char*& p) {
  int n = 0;
  while (*p >= '0' && *p <= '9' && n < 100000) n = n * 10 + (*p++ - '0');
  return n;
}

Spec ReadSpec(const char*& p) {
  Spec s;
  for (;; ++p) {
    if (*p == '-')
      s.left = true;
    else if (*p == '0')
      s.zero = true;
    else if (*p == '#')
      s.alternate = true;
    else
      break;
  }
  s.width = ReadNumber(p);
  if (*p == '.') {
    ++p;
    s.precision = ReadNumber(p);
  }
  if (*p == 'l' || *p == 'h') s.size = *p++;
  s.conversion = *p;
  return s;
}

std::string Digits(std::uint32_t value, unsigned base, bool upper) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  std::string out;
  do {
    out.insert(out.begin(), digits[value % base]);
    value /= base;
  } while (value != 0);
  return out;
}

std::string Pad(std::string body, const std::string& sign, const Spec& s) {
  if (s.precision >= 0 && s.conversion != 's' && body.size() < static_cast<std::size_t>(s.precision))
    body.insert(0, static_cast<std::size_t>(s.precision) - body.size(), '0');
  const std::size_t used = body.size() + sign.size();
  const std::size_t fill = s.width > 0 && used < static_cast<std::size_t>(s.width) ? s.width - used : 0;
  if (s.left) return sign + body + std::string(fill, ' ');
  if (s.zero && s.conversion != 's' && s.conversion != 'c') return sign + std::string(fill, '0') + body;
  return std::string(fill, ' ') + sign + body;
}

std::string FormatInteger(const Spec& s, std::va_list& args) {
  const std::uint32_t raw = va_arg(args, unsigned int);
  std::uint32_t value = s.size == 'h' ? (raw & 0xFFFFu) : raw;
  if (s.conversion == 'd' || s.conversion == 'i') {
    const std::int32_t signed_value =
        s.size == 'h' ? static_cast<std::int16_t>(value) : static_cast<std::int32_t>(value);
    const std::uint32_t magnitude =
        signed_value < 0 ? 0u - static_cast<std::uint32_t>(signed_value) : static_cast<std::uint32_t>(signed_value);
    return Pad(Digits(magnitude, 10, false), signed_value < 0 ? "-" : "", s);
  }
  if (s.conversion == 'u') return Pad(Digits(value, 10, false), "", s);
  const bool upper = s.conversion == 'X';
  const std::string prefix = s.alternate && value != 0 ? (upper ? "0X" : "0x") : "";
  return Pad(Digits(value, 16, upper), prefix, s);
}

std::string FormatString(const Spec& s, std::va_list& args) {
  const char* text = va_arg(args, const char*);
  std::string body = text != nullptr ? text : "(null)";
  if (s.precision >= 0 && body.size() > static_cast<std::size_t>(s.precision)) body.resize(s.precision);
  return Pad(body, "", s);
}

std::string FormatOne(const Spec& s, std::va_list& args) {
  switch (s.conversion) {
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X': return FormatInteger(s, args);
    case 's':
    case 'S': return FormatString(s, args);
    case 'c':
    case 'C': return Pad(std::string(1, static_cast<char>(va_arg(args, int))), "", s);
    default:
      throw HostFault(std::string("wsprintfA: the conversion \"%") + (s.conversion ? s.conversion : ' ') +
                      "\" is not one Windows formats");
  }
}

}  // namespace

std::string FormatWindows(const char* format, std::va_list args) {
  std::va_list own;  // a parameter va_list cannot be passed on by reference
  va_copy(own, args);
  std::string out;
  for (const char* p = format; *p != '\0' && out.size() < kWsprintfLimit; ++p) {
    if (*p != '%') {
      out += *p;
    } else if (p[1] == '%') {
      out += '%';
      ++p;
    } else {
      ++p;
      const Spec spec = ReadSpec(p);
      if (*p == '\0') break;
      try {
        out += FormatOne(spec, own);
      } catch (...) {
        va_end(own);
        throw;
      }
    }
  }
  va_end(own);
  if (out.size() > kWsprintfLimit - 1) out.resize(kWsprintfLimit - 1);
  return out;
}

}  // namespace vxh::win

extern "C" int wsprintfA(LPSTR out, LPCSTR format, ...) {
  if (out == nullptr || format == nullptr) throw vxh::HostFault("wsprintfA: no buffer or no format");
  std::va_list args;
  va_start(args, format);
  std::string text;
  try {
    text = vxh::win::FormatWindows(format, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
  std::memcpy(out, text.c_str(), text.size() + 1);
  return static_cast<int>(text.size());
}
