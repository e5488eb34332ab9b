// The answer a script gives the host's text-specification dialog:
// `{height=2.5; width=0.8; angle=30; font=2; justify=4; bold; italic;
// underline; strikeout; outline; plain; press ok}`. Angles are degrees.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vxh {

struct TextSpecAnswer {
  bool ok = false;  // pressed OK (or gave no button: OK is the default)
  std::optional<float> height, width, angle_radians;
  std::optional<std::uint16_t> font;
  std::optional<std::uint8_t> justify;
  std::uint8_t set_bits = 0;  // style bits to set
  bool clear_bits = false;    // "plain": clear every style bit first
};

// Throws BadInput naming the field and `where` for anything it cannot read.
TextSpecAnswer ParseTextSpecAnswer(const std::string& body, const std::string& where);
void ApplyTextSpecAnswer(const TextSpecAnswer& answer, std::uint8_t* spec);

// The 23-byte text format block of the drawing's current text defaults.
std::uint8_t* TextDefaultsSpec();

}  // namespace vxh
