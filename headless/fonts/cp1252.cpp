#include "headless/fonts/cp1252.h"

#include <string>

#include "headless/text_encoding.h"

namespace vxh {

char32_t Cp1252CodePoint(unsigned char byte) {
  const std::string utf8 = Cp1252ToUtf8(std::string(1, static_cast<char>(byte)));
  const auto unit = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(utf8[i])); };
  switch (utf8.size()) {
    case 1: return unit(0);
    case 2: return ((unit(0) & 0x1F) << 6) | (unit(1) & 0x3F);
    case 3: return ((unit(0) & 0x0F) << 12) | ((unit(1) & 0x3F) << 6) | (unit(2) & 0x3F);
    default: return 0xFFFD;
  }
}

}  // namespace vxh
