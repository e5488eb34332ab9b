#include "headless/fonts/truetype_metrics.h"

#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <tuple>

#include "headless/fonts/gdi_font.h"

namespace vxh {

namespace {

constexpr std::uint8_t kStrongBit = 0x10;
constexpr std::uint8_t kItalicBit = 0x20;

class AdvanceTable {
 public:
  AdvanceTable(const std::string& name, bool bold, bool italic) {
    LOGFONTA d{};
    d.lfHeight = kExplodeFontHeight;
    d.lfWidth = kExplodeFontWidth;
    d.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    d.lfItalic = italic ? 1 : 0;
    std::strncpy(d.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    const GdiFont font(d);
    for (int c = 1; c < 256; ++c) advance_[static_cast<std::size_t>(c)] = font.Advance(static_cast<unsigned char>(c));
  }
  int Advance(unsigned char c) const { return advance_[c]; }

 private:
  std::array<int, 256> advance_{};
};

const AdvanceTable& Table(const std::string& name, std::uint8_t style_bits) {
  static std::map<std::tuple<std::string, bool, bool>, std::unique_ptr<AdvanceTable>> tables;
  const bool bold = (style_bits & kStrongBit) != 0, italic = (style_bits & kItalicBit) != 0;
  auto& slot = tables[{name, bold, italic}];
  if (!slot) slot = std::make_unique<AdvanceTable>(name, bold, italic);
  return *slot;
}

}  // namespace

double TrueTypeRunLength(const std::string& font_name, std::uint8_t style_bits, std::string_view run) {
  const AdvanceTable& table = Table(font_name, style_bits);
  long units = 0;
  for (unsigned char c : run) units += table.Advance(c);
  return static_cast<double>(units) / kExplodeUnitsPerWidth;
}

double TrueTypeLinePitch() { return kExplodeFontHeight / kExplodeUnitsPerHeight; }

}  // namespace vxh
