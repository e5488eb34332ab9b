// Entity records as the DXF import builds them, header style included.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "headless/drawing/attribute_layout.h"
#include "headless/dxf/dxf_geometry.h"
#include "host/entity_layout.h"

namespace vxh::dxf {

using Record = std::vector<std::uint8_t>;
// A symbol instance transform: three rows of four doubles, the fourth column
// the translation.
using InstanceMatrix = std::array<double, 12>;

// The header word at 18, which the pack leaves to the host, keeps what a DXF
// entity had that the header's other fields cannot say. Same-as copies it
// with the line style, so a copied style stays "by layer".
inline constexpr std::size_t kHdrDxfFlags = vx::kHdrUnused18;  // u16
// The line style is the layer's (BYLAYER) or the block reference's (BYBLOCK);
// written back so while the style still is the layer's.
inline constexpr std::uint16_t kDxfLineTypeByLayer = 0x0001;
inline constexpr std::uint16_t kDxfLineTypeByBlock = 0x0002;
// A filled boundary read from a HATCH: the file drew no outline around it.
inline constexpr std::uint16_t kDxfHatchOnly = 0x0004;
// A filled outline read from a SOLID or a TRACE, written back as one.
inline constexpr std::uint16_t kDxfSolidFace = 0x0008;
inline constexpr std::uint16_t kDxfTraceFace = 0x0010;
// The default pen (colour 0) stands for BYLAYER unless one of these says the
// file gave the foreground colour 7 or BYBLOCK.
inline constexpr std::uint16_t kDxfColourForeground = 0x0020;
inline constexpr std::uint16_t kDxfColourByBlock = 0x0040;
// A TEXT fitted or aligned between two points: the second one is kept in
// bytes 48 to 63 of the text record, which the pack leaves to the host.
inline constexpr std::uint16_t kDxfTextAligned = 0x0080;
inline constexpr std::uint16_t kDxfTextFit = 0x0100;
inline constexpr std::size_t kTextSecondX = 48;  // double
inline constexpr std::size_t kTextSecondY = 56;  // double
// An attribute keeps its second point where a text does, counted from the origin.
static_assert(kAttrX2 == kTextSecondX + kAttrToText && kAttrY2 == kTextSecondY + kAttrToText);

// Header fields the DXF carries per entity.
struct EntityStyle {
  std::uint16_t layer = 0;
  std::uint16_t line_style = 1;
  std::uint32_t colour = 0;  // 0x00BBGGRR, 0 the default pen
  std::uint16_t dxf_flags = 0;
  std::uint16_t fill_style = 0;
};

Record NewRecord(int kind, std::uint32_t size, const EntityStyle& style);
Record PointRecord(double x, double y, double z, const EntityStyle& style);
Record LineRecord(P2 a, P2 b, const EntityStyle& style);
// Kind 3 or 4; a polygon's first vertex is repeated at the end, as the
// host's polygons are. At most 65535 vertices (the caller checks).
Record PolyRecord(int kind, const std::vector<P2>& points, const EntityStyle& style);
Record CircleRecord(P2 centre, double radius, const EntityStyle& style);
Record ArcRecord(P2 centre, double radius, double start, double sweep, const EntityStyle& style);
Record EllipseRecord(P2 centre, double major, double minor, double rotation, const EntityStyle& style);
Record EllipticalArcRecord(P2 centre, double major, double minor, double rotation, double start, double sweep,
                           const EntityStyle& style);
// Kind 26 or 27 with the curve type byte.
Record CurveRecord(int kind, std::uint8_t type, const std::vector<P2>& points, const EntityStyle& style);
Record TextRecord(P2 origin, const std::uint8_t* spec, const std::string& text, const EntityStyle& style);
Record GroupRecord(const EntityStyle& style);

// Attribute-like text (kind 37) as the DXF reader makes it from an ATTRIB,
// in the host's attribute layout (headless/drawing/attribute_layout.h): the
// value, the tag and the prompt follow each other from kAttrTextStart.
struct AttributeText {
  P2 point, second;
  std::string value, tag, prompt;
  std::uint16_t flags = 0;
};
Record AttributeRecord(const AttributeText& a, const std::uint8_t* spec, const EntityStyle& style);
AttributeText AttributeTextOf(const std::uint8_t* record);
Record SymbolRecord(const std::string& name, const InstanceMatrix& m, const EntityStyle& style);

inline constexpr std::size_t kMaxVertexCount = 0xFFFF;

}  // namespace vxh::dxf
