// Code page 1252 as the C library's iconv knows it: an independent reference
// for the host's own tables.
#pragma once

#include <iconv.h>

#include <optional>
#include <string>

namespace enctest {

// The UTF-8 of one code page 1252 byte, or nothing for the bytes the code
// page leaves undefined.
inline std::optional<std::string> ReferenceUtf8(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-8", "CP1252");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  char in[1] = {static_cast<char>(byte)};
  char out[8] = {};
  char* in_at = in;
  char* out_at = out;
  std::size_t in_left = 1, out_left = sizeof out;
  const std::size_t done = iconv(cd, &in_at, &in_left, &out_at, &out_left);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1)) return std::nullopt;
  return std::string(out, out_at);
}

// Bytes of code page 1252 that stand for a character one can see: not the
// controls below 0x20, not DEL, not the five undefined bytes, not the spaces.
inline bool Printable(unsigned char byte) {
  if (byte <= 0x20 || byte == 0x7F || byte == 0xA0) return false;
  return ReferenceUtf8(byte).has_value();
}

}  // namespace enctest
