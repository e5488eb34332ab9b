// The settings tables of a new drawing (docs/settings_tables.md).
#include <cstring>
#include <string>
#include <vector>

#include "headless/drawing/settings_tables.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {
namespace {

constexpr float kQuarterTurn = 1.570796325f;
constexpr float kEighthTurn = 0.7853981625f;
constexpr std::uint16_t kSolidLineStyle = 1;  // "Solid", the first line style

// Builds a table: header, records, terminator. Records are addressed by
// offset while the buffer grows.
class TableBuilder {
 public:
  explicit TableBuilder(int number) : number_(number), bytes_(vx::FirstRecordOffset(number), 0) {
    vx::PutU8(bytes_.data(), vx::kTableNumber, static_cast<std::uint8_t>(number));
    if (number == vx::kTableLineStyles) vx::PutF32(bytes_.data(), vx::kLStyleTableScale, 1.0f);
  }

  // A zero-filled record with its size and id; returns its offset.
  std::size_t Add(std::uint32_t size, std::uint16_t id) {
    const std::size_t at = bytes_.size();
    bytes_.resize(at + size, 0);
    vx::PutU32(bytes_.data(), at + vx::kRecSize, size);
    vx::PutU16(bytes_.data(), at + vx::kRecId, id);
    return at;
  }
  std::uint8_t* At(std::size_t offset) { return bytes_.data() + offset; }
  void Name(std::size_t record, std::size_t field, const char* name) {
    std::memcpy(At(record + field), name, std::strlen(name));
  }

  void Install(SettingsTables& tables, std::size_t current) {
    const std::uint16_t id = current == 0 ? 0 : vx::GetU16(At(current), vx::kRecId);
    bytes_.resize(bytes_.size() + 4, 0);
    vx::PutU32(bytes_.data(), vx::kTableLength, static_cast<std::uint32_t>(bytes_.size()));
    vx::PutU16(bytes_.data(), vx::kTableCurrentId, id);
    vx::PutU32(bytes_.data(), vx::kTableCurrentOffset, static_cast<std::uint32_t>(current));
    tables.Install(number_, std::move(bytes_));
  }

 private:
  int number_;
  std::vector<std::uint8_t> bytes_;
};

void CurrentSettings(SettingsTables& tables) {
  TableBuilder t(vx::kTableCurrent);
  const std::size_t r = t.Add(vx::kCurrentRecordBytes, 1);
  vx::PutF32(t.At(r), vx::kCurArrowLength, 2.25f);
  vx::PutF32(t.At(r), vx::kCurArrowHeight, 1.0f);
  t.Install(tables, r);
}

void Layers(SettingsTables& tables) {
  struct Layer {
    const char* name;
    std::uint16_t colour;
  };
  static const Layer kLayers[] = {{"0", 7}, {"Construction", 8}, {"Dimensions", 3}, {"Text", 5}, {"Hatch", 1}};
  TableBuilder t(vx::kTableLayers);
  std::uint16_t id = 0;
  for (const Layer& layer : kLayers) {
    const std::size_t r = t.Add(vx::kLayerRecordBytes, id++);
    vx::PutU16(t.At(r), vx::kLayerColour, layer.colour);
    vx::PutU16(t.At(r), vx::kLayerLineStyle, kSolidLineStyle);
    t.Name(r, vx::kLayerName, layer.name);
  }
  t.Install(tables, vx::kTableFirstRecord);
}

void LineStyles(SettingsTables& tables) {
  struct Style {
    const char* name;
    std::vector<float> dashes;
  };
  static const Style kStyles[] = {
      {"Solid", {}},
      {"Dashed", {2.5f, -1.25f}},
      {"Dotted", {0.0f, -1.0f}},
      {"Dash dot", {2.5f, -0.75f, 0.0f, -0.75f}},
      {"Center", {6.25f, -1.25f, 1.25f, -1.25f}},
      {"Hidden", {1.25f, -0.625f}},
  };
  TableBuilder t(vx::kTableLineStyles);
  std::uint16_t number = 1;
  for (const Style& style : kStyles) {
    const auto size = static_cast<std::uint32_t>(vx::kLStyleDashes + 4 * style.dashes.size());
    const std::size_t r = t.Add(size, number++);
    t.Name(r, vx::kLStyleName, style.name);
    vx::PutU16(t.At(r), vx::kLStyleDashCount, static_cast<std::uint16_t>(style.dashes.size()));
    for (std::size_t i = 0; i < style.dashes.size(); ++i) {
      vx::PutF32(t.At(r), vx::kLStyleDashes + 4 * i, style.dashes[i]);
    }
  }
  t.Install(tables, vx::kLineStyleFirstRecord);
}

void FillStyles(SettingsTables& tables) {
  struct Family {
    float angle;
    float spacing;
  };
  struct Style {
    const char* name;
    std::vector<Family> families;
  };
  static const Style kStyles[] = {
      {".25 Right Diagonal", {{kEighthTurn, 0.25f}}},
      {".25 Left Diagonal", {{3 * kEighthTurn, 0.25f}}},
      {".25 Crosshatch", {{kEighthTurn, 0.25f}, {3 * kEighthTurn, 0.25f}}},
      {".5 Horizontal", {{0.0f, 0.5f}}},
      {".5 Vertical", {{kQuarterTurn, 0.5f}}},
  };
  TableBuilder t(vx::kTableFillStyles);
  std::uint16_t id = 1;
  for (const Style& style : kStyles) {
    const auto size = static_cast<std::uint32_t>(vx::kFillData + vx::kFillDataFamilies +
                                                 vx::kFamilyFixedBytes * style.families.size());
    const std::size_t r = t.Add(size, id++);
    vx::PutU8(t.At(r), vx::kFillType, vx::kFillTypeLineFamilies);
    vx::PutI8(t.At(r), vx::kFillDataOffset, static_cast<std::int8_t>(vx::kFillData));
    t.Name(r, vx::kFillName, style.name);
    std::uint8_t* data = t.At(r + vx::kFillData);
    vx::PutF64(data, vx::kFillDataPreview, 1.0);
    vx::PutU32(data, vx::kFillDataCount, static_cast<std::uint32_t>(style.families.size()));
    vx::PutF32(data, vx::kFillDataScale, 1.0f);
    std::uint8_t* family = data + vx::kFillDataFamilies;
    for (const Family& f : style.families) {
      vx::PutF32(family, vx::kFamAngle, f.angle);
      vx::PutF32(family, vx::kFamSpacing, f.spacing);  // period 0: continuous lines
      family += vx::kFamilyFixedBytes;
    }
  }
  t.Install(tables, 0);  // no current fill style: new entities are not filled
}

void Fonts(SettingsTables& tables) {
  struct Font {
    const char* name;
    std::uint8_t type;
  };
  static const Font kFonts[] = {
      {"Simplex", vx::kFontStroke},
      {"Duplex", vx::kFontStroke},
      {"Complex", vx::kFontStroke},
      {"Italic", vx::kFontStroke},
      {"DejaVu Sans", vx::kFontTrueType},
      {"Liberation Sans", vx::kFontTrueType},
      {"Liberation Serif", vx::kFontTrueType},
  };
  TableBuilder t(vx::kTableFonts);
  std::uint16_t number = 1;
  for (const Font& font : kFonts) {
    const std::size_t r = t.Add(vx::kFontRecordBytes, number++);
    vx::PutU8(t.At(r), vx::kFontType, font.type);
    t.Name(r, vx::kFontName, font.name);
  }
  t.Install(tables, vx::kTableFirstRecord);
}

void DimensionStyles(SettingsTables& tables) {
  TableBuilder t(vx::kTableDimStyles);
  const std::size_t r = t.Add(vx::kDimStyleRecordBytes, 1);
  std::uint8_t* block = t.At(r + vx::kDimStyleBlock);
  vx::PutF32(block, vx::kDimBlockExtendPast, 2.5f);
  vx::PutF32(block, vx::kDimBlockOffsetPoint, 0.78125f);
  vx::PutF32(block, vx::kDimBlockBaseline, 5.0f);
  vx::PutF32(block, vx::kDimBlockArrowLength, 2.25f);
  vx::PutF32(block, vx::kDimBlockArrowHeight, 1.0f);
  vx::PutF32(block, vx::kDimBlockTextHeight, 2.5f);
  t.Install(tables, r);
}

void TextDefaults(SettingsTables& tables) {
  TableBuilder t(vx::kTableTextDefaults);
  const std::size_t r = t.Add(vx::kTextDefaultsRecordBytes, 0);
  std::uint8_t* spec = t.At(r + vx::kTextDefaultsSpec);
  vx::PutF32(spec, vx::kSpecHeight, 2.5f);
  vx::PutF32(spec, vx::kSpecWidth, 1.0f);
  vx::PutU16(spec, vx::kSpecFont, 1);
  t.Install(tables, r);
}

}  // namespace

void InstallDefaultTables(SettingsTables& tables) {
  CurrentSettings(tables);
  Layers(tables);
  LineStyles(tables);
  FillStyles(tables);
  Fonts(tables);
  DimensionStyles(tables);
  TextDefaults(tables);
}

}  // namespace vxh
