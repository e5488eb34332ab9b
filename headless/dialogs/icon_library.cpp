#include "headless/dialogs/icon_library.h"

#include <cstring>
#include <regex>
#include <string>

#include "headless/dialogs/embedded_resources.h"

namespace vxh::dialogs {

namespace {

constexpr std::size_t kDirectoryBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::size_t kEntryImageSize = 8;     // u32
constexpr std::size_t kEntryImageOffset = 12;  // u32
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kInfoWidth = 4;         // i32
constexpr std::size_t kInfoHeight = 8;        // i32, colour rows and mask rows
constexpr std::size_t kInfoBitCount = 14;     // u16
constexpr std::size_t kInfoCompression = 16;  // u32, 0 = none
constexpr int kLargestIcon = 256;

std::uint32_t U32(std::string_view b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
  return v;
}

std::uint16_t U16(std::string_view b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

std::uint32_t Premultiplied(std::uint8_t b, std::uint8_t g, std::uint8_t r, std::uint8_t a) {
  const auto scale = [a](std::uint8_t c) { return static_cast<std::uint32_t>((c * a + 127) / 255); };
  return static_cast<std::uint32_t>(a) << 24 | scale(r) << 16 | scale(g) << 8 | scale(b);
}

// The icon file that the scripts give this resource number.
std::string IconFile(std::string_view number) {
  static const std::regex line(R"((^|\n)\s*(\d+)\s+ICON\s+"([^"]+)\")");
  for (const EmbeddedResource& r : EmbeddedResources()) {
    const std::string text(r.text);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), line); it != std::sregex_iterator(); ++it) {
      if ((*it)[2].str() != number) continue;
      const std::string path = (*it)[3].str();
      const std::size_t slash = path.find_last_of("/\\");
      return slash == std::string::npos ? path : path.substr(slash + 1);
    }
  }
  return "";
}

}  // namespace

std::optional<IconImage> DecodeIcon(std::string_view b) {
  if (b.size() < kDirectoryBytes + kEntryBytes || U16(b, 2) != 1 || U16(b, 4) == 0) return std::nullopt;
  const std::uint32_t size = U32(b, kDirectoryBytes + kEntryImageSize);
  const std::uint32_t offset = U32(b, kDirectoryBytes + kEntryImageOffset);
  if (offset > b.size() || size > b.size() - offset || size < kInfoHeaderBytes) return std::nullopt;
  const std::string_view image = b.substr(offset, size);
  const auto width = static_cast<std::int32_t>(U32(image, kInfoWidth));
  const auto height = static_cast<std::int32_t>(U32(image, kInfoHeight)) / 2;
  if (U32(image, 0) != kInfoHeaderBytes || U16(image, kInfoBitCount) != 32 || U32(image, kInfoCompression) != 0 ||
      width <= 0 || height <= 0 || width > kLargestIcon || height > kLargestIcon)
    return std::nullopt;
  const std::size_t row = 4 * static_cast<std::size_t>(width);
  if (image.size() < kInfoHeaderBytes + row * static_cast<std::size_t>(height)) return std::nullopt;
  IconImage icon{width, height, {}};
  icon.pixels.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const std::size_t start = kInfoHeaderBytes + row * static_cast<std::size_t>(height - 1 - y);  // bottom-up
    for (int x = 0; x < width; ++x) {
      const std::size_t p = start + 4 * static_cast<std::size_t>(x);
      icon.pixels.push_back(Premultiplied(static_cast<std::uint8_t>(image[p]), static_cast<std::uint8_t>(image[p + 1]),
                                          static_cast<std::uint8_t>(image[p + 2]),
                                          static_cast<std::uint8_t>(image[p + 3])));
    }
  }
  return icon;
}

std::optional<IconImage> ResourceIcon(std::string_view number) {
  const std::string file = IconFile(number);
  if (file.empty()) return std::nullopt;
  for (const EmbeddedIcon& icon : EmbeddedIcons())
    if (icon.file == file) return DecodeIcon(icon.bytes);
  return std::nullopt;
}

}  // namespace vxh::dialogs
