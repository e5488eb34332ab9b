// The icons that the resource scripts name ("105 ICON "resources/icons/a.ico""),
// decoded from the embedded .ico files for the dialog pictures.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vxh::dialogs {

struct IconImage {
  int width = 0;
  int height = 0;
  // Rows from the top, each pixel premultiplied ARGB as cairo takes it.
  std::vector<std::uint32_t> pixels;
};

// The first image of an .ico file of 32-bit uncompressed bitmaps; nothing
// for anything else or a damaged file.
std::optional<IconImage> DecodeIcon(std::string_view bytes);

// The icon of that resource number (a control's text, "105"); nothing when
// the scripts name no such icon or it cannot be decoded.
std::optional<IconImage> ResourceIcon(std::string_view number);

}  // namespace vxh::dialogs
