#include "headless/render/picture_styles.h"

#include <cmath>
#include <cstring>

#include "headless/drawing/settings_tables.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

namespace {

std::uint32_t SizeOf(const std::uint8_t* record) { return vx::GetU32(record, vx::kRecSize); }

std::string NameAt(const std::uint8_t* record, std::size_t offset) {
  if (SizeOf(record) <= offset) return {};
  const auto* name = reinterpret_cast<const char*>(record + offset);
  const std::size_t room = std::min<std::size_t>(SizeOf(record) - offset, vx::kNameFieldBytes);
  return std::string(name, strnlen(name, room));
}

std::vector<float> ReadDashes(const std::uint8_t* record) {
  std::vector<float> dashes;
  if (SizeOf(record) < vx::kLStyleDashes) return dashes;
  const std::size_t count = vx::GetU16(record, vx::kLStyleDashCount);
  if ((SizeOf(record) - vx::kLStyleDashes) / 4 < count) return dashes;
  for (std::size_t i = 0; i < count; ++i) dashes.push_back(vx::GetF32(record, vx::kLStyleDashes + 4 * i));
  return dashes;
}

// The table header's current record, when it lies inside the table.
const std::uint8_t* CurrentOf(const SettingsTables& tables, int number) {
  const std::uint8_t* table = tables.Table(number);
  if (table == nullptr) return nullptr;
  const std::uint32_t at = vx::GetU32(table, vx::kTableCurrentOffset);
  if (at < vx::FirstRecordOffset(number) || at + vx::kRecId + 2 > tables.Length(number)) return nullptr;
  if (SizeOf(table + at) > tables.Length(number) - at) return nullptr;
  return table + at;
}

}  // namespace

PictureStyles::PictureStyles(const SettingsTables& tables) {
  // A drawing without text defaults writes as a new drawing would.
  vx::PutF32(text_defaults_.data(), vx::kSpecHeight, 2.5f);
  vx::PutF32(text_defaults_.data(), vx::kSpecWidth, 1.0f);
  vx::PutU16(text_defaults_.data(), vx::kSpecFont, 1);
  ForEachRecord(tables, vx::kTableLayers, [&](const std::uint8_t* r) {
    if (SizeOf(r) < vx::kLayerFlags + 4) return;
    const std::uint32_t flags = vx::GetU32(r, vx::kLayerFlags);
    layers_[vx::GetU16(r, vx::kLayerId)] = {(flags & (vx::kLayerHidden | vx::kLayerFrozen)) == 0,
                                            vx::GetU16(r, vx::kLayerColour)};
  });
  ForEachRecord(tables, vx::kTableLineStyles,
                [&](const std::uint8_t* r) { line_dashes_[vx::GetU16(r, vx::kLStyleNumber)] = ReadDashes(r); });
  if (const std::uint8_t* table = tables.Table(vx::kTableLineStyles);
      table && tables.Length(vx::kTableLineStyles) >= vx::kLStyleTableScale + 4) {
    const float scale = vx::GetF32(table, vx::kLStyleTableScale);
    if (scale > 0 && std::isfinite(scale)) line_style_scale_ = scale;
  }
  ForEachRecord(tables, vx::kTableFillStyles, [&](const std::uint8_t* r) {
    if (std::optional<FillPattern> p = ReadFillPattern(r)) fills_[vx::GetU16(r, vx::kFillId)] = std::move(*p);
  });
  const auto font_of = [](const std::uint8_t* r) {
    return FontChoice{vx::GetU8(r, vx::kFontType), NameAt(r, vx::kFontName)};
  };
  ForEachRecord(tables, vx::kTableFonts, [&](const std::uint8_t* r) {
    if (SizeOf(r) > vx::kFontName) fonts_[vx::GetU16(r, vx::kFontNumber)] = font_of(r);
  });
  if (const std::uint8_t* r = CurrentOf(tables, vx::kTableFonts); r && SizeOf(r) > vx::kFontName)
    current_font_ = font_of(r);
  if (const std::uint8_t* r = CurrentOf(tables, vx::kTableTextDefaults);
      r && SizeOf(r) >= vx::kTextDefaultsSpec + vx::kTextSpecBytes)
    std::memcpy(text_defaults_.data(), r + vx::kTextDefaultsSpec, vx::kTextSpecBytes);
}

bool PictureStyles::LayerVisible(std::uint16_t layer) const {
  const auto it = layers_.find(layer);
  return it == layers_.end() || it->second.visible;
}

std::uint16_t PictureStyles::LayerColourIndex(std::uint16_t layer) const {
  const auto it = layers_.find(layer);
  return it == layers_.end() ? 0 : it->second.colour_index;
}

const std::vector<float>& PictureStyles::LineDashes(std::uint16_t style) const {
  static const std::vector<float> kSolid;
  const auto it = line_dashes_.find(style);
  return it == line_dashes_.end() ? kSolid : it->second;
}

const FillPattern* PictureStyles::Fill(std::uint16_t id) const {
  if (id == 0) return nullptr;
  const auto it = fills_.find(id);
  return it == fills_.end() ? nullptr : &it->second;
}

FontChoice PictureStyles::Font(std::uint16_t number) const {
  const auto it = fonts_.find(number);
  if (it != fonts_.end()) return it->second;
  return current_font_.value_or(FontChoice{});
}

}  // namespace vxh
