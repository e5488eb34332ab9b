// How an entity's outline looks in a picture: colour, width and dashes,
// from its header and the drawing's layers and line styles.
#pragma once

#include <cstdint>
#include <vector>

namespace vxh {

struct Rgb {
  double r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// An entity's own pen colour (0x00BBGGRR) when it has one; 0, the colour of
// a new drawing's settings, means "by layer": the layer's colour index when
// it is not 0, else a colour chosen by the layer id, so layers stay apart
// in a picture of a drawing that never set a colour.
Rgb PenColour(std::uint32_t pen, std::uint16_t layer_colour_index, std::uint16_t layer_id);

// Colour index 1 to 255 of a layer in the palette of DXF colour indices,
// darkened like a pen when too light for paper; 7 and anything outside 1 to
// 255 are black.
Rgb IndexedColour(std::uint16_t index);

// Line weight index (entity byte 5) to a width in pixels.
double PenWidth(std::uint8_t weight_index);

// Pixels per unit of a line style's dashes: the drawing's scale times the
// line style scale, held between limits so that a dash stays visible in a
// picture of a large drawing and a small drawing is not drawn solid.
double DashUnitPixels(double pixels_per_drawing_unit, double line_style_scale);

// A line style's dashes (positive drawn, negative gap, 0 a dot) as the
// alternating on-off lengths cairo takes, in pixels. Empty for a solid line
// and for patterns that do not advance.
std::vector<double> CairoDashes(const std::vector<float>& pattern, double unit_pixels);

}  // namespace vxh
