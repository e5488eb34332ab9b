#include "headless/dxf/dxf_colour.h"

#include <cmath>
#include <initializer_list>
#include <limits>

namespace vxh::dxf {

namespace {

constexpr std::uint32_t kBasic[10] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                      0x0000FF, 0xFF00FF, 0xFFFFFF, 0x808080, 0xC0C0C0};
constexpr std::uint32_t kGreys[6] = {0x333333, 0x505050, 0x696969, 0x828282, 0xBEBEBE, 0xFFFFFF};
constexpr double kShadeValue[5] = {1.0, 0.65, 0.5, 0.3, 0.15};

std::uint32_t Pack(double r, double g, double b) {
  const auto channel = [](double v) { return static_cast<std::uint32_t>(std::lround(v * 255)); };
  return channel(r) << 16 | channel(g) << 8 | channel(b);
}

// Hue in degrees, full saturation, value v; `pale` mixes half with white
// before the shade is applied.
std::uint32_t FromHue(double hue, double v, bool pale) {
  const double h = hue / 60;
  const double x = 1 - std::fabs(std::fmod(h, 2) - 1);
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(h) % 6) {
    case 0: r = 1, g = x; break;
    case 1: r = x, g = 1; break;
    case 2: g = 1, b = x; break;
    case 3: g = x, b = 1; break;
    case 4: r = x, b = 1; break;
    default: r = 1, b = x; break;
  }
  if (pale) r = (r + 1) / 2, g = (g + 1) / 2, b = (b + 1) / 2;
  return Pack(r * v, g * v, b * v);
}

int Channel(std::uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

}  // namespace

std::uint32_t RgbOfAci(int aci) {
  if (aci >= 1 && aci <= 9) return kBasic[aci];
  if (aci >= 250 && aci <= 255) return kGreys[aci - 250];
  if (aci < 10 || aci > 249) return 0xFFFFFF;
  const double hue = (aci / 10 - 1) * 15.0;
  const int shade = aci % 10;
  return FromHue(hue, kShadeValue[shade / 2], shade % 2 == 1);
}

int AciNearest(std::uint32_t rgb) {
  int best = kAciForeground;
  long best_distance = std::numeric_limits<long>::max();
  for (int aci = 1; aci <= 255; ++aci) {
    const std::uint32_t c = RgbOfAci(aci);
    long d = 0;
    for (int shift : {0, 8, 16}) {
      const long delta = Channel(c, shift) - Channel(rgb, shift);
      d += delta * delta;
    }
    if (d < best_distance) best = aci, best_distance = d;
  }
  return best;
}

std::uint32_t RgbOfHost(std::uint32_t host) { return (host & 0xFF) << 16 | (host & 0xFF00) | (host >> 16 & 0xFF); }

std::uint32_t HostOfRgb(std::uint32_t rgb) { return RgbOfHost(rgb); }  // the swap is its own inverse

std::uint32_t HostColour(int aci, int true_colour) {
  if (true_colour >= 0) return HostOfRgb(static_cast<std::uint32_t>(true_colour) & 0xFFFFFF);
  if (aci <= kAciByBlock || aci >= kAciByLayer || aci == kAciForeground) return 0;
  return HostOfRgb(RgbOfAci(aci));
}

}  // namespace vxh::dxf
