// The pack's texts are code page 1252 bytes; transcripts, pictures and JSON
// are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace vxh {

std::string Cp1252ToUtf8(std::string_view text);

}  // namespace vxh
