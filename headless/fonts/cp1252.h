// Character codes of the pack's texts (code page 1252) as Unicode.
#pragma once

namespace vxh {

char32_t Cp1252CodePoint(unsigned char byte);

}  // namespace vxh
