// The method icons of the hatch dialog are real 32-bit pictures, decoded
// from the embedded .ico files; damaged files decode to nothing.
#include "headless/dialogs/icon_library.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "headless/dialogs/embedded_resources.h"

namespace vxh::dialogs {
namespace {

std::string IconBytes(const std::string& file) {
  for (const EmbeddedIcon& icon : EmbeddedIcons())
    if (icon.file == file) return std::string(icon.bytes);
  return "";
}

TEST(IconLibrary, TheMethodIconsArePicturesOfTheirOwn) {
  std::set<std::vector<std::uint32_t>> seen;
  for (const char* number : {"105", "106", "107"}) {
    SCOPED_TRACE(number);
    const std::optional<IconImage> icon = ResourceIcon(number);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->width, 32);
    EXPECT_EQ(icon->height, 32);
    ASSERT_EQ(icon->pixels.size(), 32u * 32u);
    std::set<std::uint32_t> colours;
    int opaque = 0;
    for (std::uint32_t p : icon->pixels) {
      colours.insert(p);
      if ((p >> 24) == 0xFF) ++opaque;
      // Premultiplied: no channel exceeds the alpha.
      const std::uint32_t a = p >> 24;
      EXPECT_LE((p >> 16) & 0xFF, a);
      EXPECT_LE((p >> 8) & 0xFF, a);
      EXPECT_LE(p & 0xFF, a);
    }
    EXPECT_GT(colours.size(), 3u) << "a picture, not a plain block";
    EXPECT_GT(opaque, 100);
    EXPECT_TRUE(seen.insert(icon->pixels).second) << "each method has its own icon";
  }
  EXPECT_FALSE(ResourceIcon("999"));
}

struct Damage {
  const char* label;
  std::size_t at;  // byte changed, or the length kept when `cut`
  bool cut;
  char value;
};

TEST(IconLibrary, DamagedFilesDecodeToNothing) {
  const std::string good = IconBytes("method_scan.ico");
  ASSERT_FALSE(good.empty());
  ASSERT_TRUE(DecodeIcon(good));
  const Damage cases[] = {
      {"empty", 0, true, 0},
      {"directory only", 6, true, 0},
      {"image cut short", good.size() - 100, true, 0},
      {"not an icon directory", 2, false, 2},
      {"no images", 4, false, 0},
      {"image offset past the end", 6 + 12 + 3, false, 0x7F},
      {"8 bits per pixel", 6 + 16 + 14, false, 8},
      {"compressed", 6 + 16 + 16, false, 1},
  };
  for (const Damage& d : cases) {
    SCOPED_TRACE(d.label);
    std::string bytes = good;
    if (d.cut)
      bytes.resize(d.at);
    else
      bytes[d.at] = d.value;
    EXPECT_FALSE(DecodeIcon(bytes));
  }
}

}  // namespace
}  // namespace vxh::dialogs
