// Every printable character of code page 1252, each alone in a cell of its
// own, leaves ink in every font kind; accented letters leave more than their
// base letter, so the accent is there and not just the letter.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "host/record.h"
#include "tests/encoding/cp1252_reference.h"
#include "tests/render/render_fixture.h"

namespace rendertest {
namespace {

constexpr int kColumns = 16;
constexpr double kCell = 3;  // drawing units between characters of height 1

struct FontCase {
  const char* name;
  std::uint16_t font;  // number in a new drawing's font table
};

void PrintTo(const FontCase& c, std::ostream* os) { *os << c.name; }

class GlyphInk : public RenderTest, public ::testing::WithParamInterface<FontCase> {
 protected:
  // Ink pixels in each character's cell.
  std::map<unsigned char, int> InkPerCharacter() {
    std::vector<unsigned char> bytes;
    for (int b = 0; b < 256; ++b)
      if (enctest::Printable(static_cast<unsigned char>(b))) bytes.push_back(static_cast<unsigned char>(b));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      Record r = vxtest::Text(Column(i) * kCell, -Row(i) * kCell, 1.0f, 1.0f, 0.0f,
                              std::string(1, static_cast<char>(bytes[i])));
      vx::PutU16(r.data(), vx::kTextSpec + vx::kSpecFont, GetParam().font);
      Add(r);
    }
    const std::string name = std::string("glyphs-") + GetParam().name + ".png";
    const vxh::PictureFrame frame = Render(name).frame;
    const Picture picture(PathOf(name));
    EXPECT_TRUE(picture.Ok());
    std::map<unsigned char, int> ink;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const double x = Column(i) * kCell, y = -Row(i) * kCell;
      const int x0 = Px(frame, x - 0.6), x1 = Px(frame, x + 2.4);
      const int y0 = Py(frame, y + 1.8), y1 = Py(frame, y - 0.9);
      ink[bytes[i]] = picture.InkedPixels(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1));
    }
    return ink;
  }

  static int Column(std::size_t i) { return static_cast<int>(i % kColumns); }
  static int Row(std::size_t i) { return static_cast<int>(i / kColumns); }
};

TEST_P(GlyphInk, EveryPrintableCharacterInksItsCellAndAccentsAddInk) {
  const std::map<unsigned char, int> ink = InkPerCharacter();
  ASSERT_EQ(ink.size(), 216u);
  for (const auto& [byte, pixels] : ink) EXPECT_GE(pixels, 3) << "byte 0x" << std::hex << int{byte};
  const std::pair<unsigned char, unsigned char> pairs[] = {
      {0xE4, 'a'}, {0xC4, 'A'}, {0xF6, 'o'}, {0xD6, 'O'}, {0xFC, 'u'}, {0xDC, 'U'}, {0xE9, 'e'}, {0xC8, 'E'},
      {0xF1, 'n'}, {0xE7, 'c'}, {0xC5, 'A'}, {0x8A, 'S'}, {0x9E, 'z'}, {0x9F, 'Y'}, {0xD8, 'O'}, {0x80, 'C'}};
  for (const auto& [accented, base] : pairs)
    EXPECT_GT(ink.at(accented), ink.at(base)) << "0x" << std::hex << int{accented} << " against " << base;
}

INSTANTIATE_TEST_SUITE_P(Fonts, GlyphInk,
                         ::testing::Values(FontCase{"Simplex", 1}, FontCase{"Duplex", 2}, FontCase{"Complex", 3},
                                           FontCase{"Italic", 4}, FontCase{"DejaVuSans", 5},
                                           FontCase{"LiberationSerif", 7}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rendertest
