// A string to draw with its place and look, from any entity that carries
// one: texts (5) and attributes (37) long enough to hold one with their own
// text format block; the text-like entities (33) and the short attributes
// the pack makes with the drawing's text defaults, since those records keep
// no format block.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "headless/geometry/plane.h"
#include "headless/render/picture_styles.h"
#include "host/kv_types.h"

namespace vxh {

struct TextRun {
  P2 origin;
  double height = 0;
  double width_factor = 1;
  double angle = 0;  // radians
  std::uint16_t font = 0;
  std::uint8_t style_bits = 0;
  std::uint8_t justify = 0;
  std::string text;  // code page 1252, CR LF between lines
};

// A run from a 23-byte text style block and a string.
TextRun RunOf(const P2& origin, const std::uint8_t* spec, std::string text);

// None for other kinds, records too short for their fixed part, an
// attribute without a string, or a string offset outside the record. A
// string without its NUL ends at the record's end.
std::optional<TextRun> TextRunOf(vx::Entity entity, const TextSpec& defaults);

}  // namespace vxh
