// What a picture needs from a drawing's settings tables, read once: layer
// visibility and colours, line style dashes, fill patterns, fonts and the
// text defaults.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "headless/render/fill_pattern.h"
#include "host/entity_layout.h"

namespace vxh {

class SettingsTables;

struct FontChoice {
  std::uint8_t type = 0;  // vx::kFontStroke or vx::kFontTrueType
  std::string name = "Simplex";
};

using TextSpec = std::array<std::uint8_t, vx::kTextSpecBytes>;

class PictureStyles {
 public:
  explicit PictureStyles(const SettingsTables& tables);

  bool LayerVisible(std::uint16_t layer) const;
  std::uint16_t LayerColourIndex(std::uint16_t layer) const;
  // Dashes of a line style; empty for solid and unknown styles.
  const std::vector<float>& LineDashes(std::uint16_t style) const;
  double LineStyleScale() const { return line_style_scale_; }
  // None for "no fill", unknown ids and fill styles that are not line families.
  const FillPattern* Fill(std::uint16_t id) const;
  // The font table's entry of that number, else its current font, else Simplex.
  FontChoice Font(std::uint16_t number) const;
  // The text defaults' style block: the look of texts that carry none.
  const TextSpec& TextDefaults() const { return text_defaults_; }

 private:
  struct Layer {
    bool visible = true;
    std::uint16_t colour_index = 0;
  };
  std::map<std::uint16_t, Layer> layers_;
  std::map<std::uint16_t, std::vector<float>> line_dashes_;
  double line_style_scale_ = 1;
  std::map<std::uint16_t, FillPattern> fills_;
  std::map<std::uint16_t, FontChoice> fonts_;
  std::optional<FontChoice> current_font_;
  TextSpec text_defaults_{};
};

}  // namespace vxh
