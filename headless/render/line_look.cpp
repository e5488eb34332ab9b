#include "headless/render/line_look.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "headless/dxf/dxf_colour.h"

namespace vxh {

namespace {

constexpr double kFewestDashPixels = 4;
constexpr double kMostDashPixels = 24;
constexpr double kThinnestPen = 1.5;  // pixels
constexpr double kPenStep = 0.75;     // pixels per weight index
constexpr int kHeaviestWeight = 8;
// A pen lighter than this (0 to 1) would vanish on the white page.
constexpr double kLightestInk = 0.8;

// Layer 0 is drawn almost black; the others take well-separated dark hues.
constexpr std::array<Rgb, 8> kByLayer = {{
    {0.05, 0.08, 0.20},
    {0.10, 0.30, 0.80},
    {0.75, 0.15, 0.10},
    {0.10, 0.50, 0.20},
    {0.55, 0.20, 0.65},
    {0.85, 0.45, 0.00},
    {0.00, 0.50, 0.55},
    {0.50, 0.35, 0.15},
}};

Rgb FromRef(std::uint32_t pen) {
  Rgb c{(pen & 0xFF) / 255.0, ((pen >> 8) & 0xFF) / 255.0, ((pen >> 16) & 0xFF) / 255.0};
  const double light = 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b;
  if (light > kLightestInk) {
    const double k = kLightestInk / light;
    c = {c.r * k, c.g * k, c.b * k};
  }
  return c;
}

}  // namespace

// The palette DXF colour indices come in by, so a layer of index 1 and an
// entity whose pen came from index 1 draw alike; 7, the foreground, is black
// on paper.
Rgb IndexedColour(std::uint16_t index) {
  if (index == 0 || index == dxf::kAciForeground || index >= dxf::kAciByLayer) return Rgb{};
  return FromRef(dxf::HostOfRgb(dxf::RgbOfAci(index)));
}

Rgb PenColour(std::uint32_t pen, std::uint16_t layer_colour_index, std::uint16_t layer_id) {
  if ((pen & 0xFFFFFF) != 0) return FromRef(pen);
  if (layer_colour_index != 0) return IndexedColour(layer_colour_index);
  return kByLayer[layer_id % kByLayer.size()];
}

double PenWidth(std::uint8_t weight_index) {
  return kThinnestPen + kPenStep * std::min<int>(weight_index, kHeaviestWeight);
}

double DashUnitPixels(double pixels_per_drawing_unit, double line_style_scale) {
  double unit = pixels_per_drawing_unit * line_style_scale;
  if (!std::isfinite(unit) || !(unit > 0)) unit = kFewestDashPixels;
  return std::clamp(unit, kFewestDashPixels, kMostDashPixels);
}

std::vector<double> CairoDashes(const std::vector<float>& pattern, double unit_pixels) {
  std::vector<double> dashes;
  double total = 0;
  for (float v : pattern) {
    if (!std::isfinite(v)) return {};
    const bool drawn = v >= 0;
    // cairo alternates on and off from an "on": two of a sort in a row get
    // an empty one of the other sort between them.
    if (drawn != (dashes.size() % 2 == 0)) dashes.push_back(0);
    dashes.push_back(std::fabs(v) * unit_pixels);
    total += std::fabs(v);
  }
  if (dashes.size() % 2 == 1) dashes.push_back(0);
  if (!(total > 0)) return {};
  return dashes;
}

}  // namespace vxh
