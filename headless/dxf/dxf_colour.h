// Colours between DXF and the host. The host keeps pen colours as 0x00BBGGRR
// with 0 as the default pen; DXF has the 256 AutoCAD colour indices (ACI)
// and, from R2000 on, a true colour 0x00RRGGBB beside them.
#pragma once

#include <cstdint>

namespace vxh::dxf {

inline constexpr int kAciByBlock = 0;
inline constexpr int kAciByLayer = 256;
inline constexpr int kAciForeground = 7;  // white on black, black on paper

// 0x00RRGGBB of an index 1 to 255 (7 reads as white). Indices 10 to 249
// follow the palette's pattern of 24 hues in ten shades, close to the
// palette AutoCAD ships but not taken from it.
std::uint32_t RgbOfAci(int aci);
// The index whose colour is nearest (indices 1 to 255).
int AciNearest(std::uint32_t rgb);

// Host pen colour of a DXF entity: true colour when given, otherwise the
// index; by layer, by block and the foreground colour are the default pen.
std::uint32_t HostColour(int aci, int true_colour);
std::uint32_t RgbOfHost(std::uint32_t host);
std::uint32_t HostOfRgb(std::uint32_t rgb);

}  // namespace vxh::dxf
