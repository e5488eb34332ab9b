// Entity records: kind codes and the byte offset of every field, named once.
// Records are packed little-endian; read them with record.h.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vx {

// Entity kinds.
enum Kind : std::int8_t {
  kKindPoint = 1,
  kKindLine = 2,
  kKindPath = 3,
  kKindPolygon = 4,
  kKindText = 5,
  kKindCircle = 6,
  kKindArc = 7,
  kKindEllipse = 8,
  kKindEllipticalArc = 9,
  kKindGroup = 10,
  kKindOpaque = 11,
  kKindSymbol = 12,
  kKindGlyphContainer = 13,
  kKindCurvePath = 26,
  kKindClosedCurve = 27,
  kKindDimLinear = 28,
  kKindDimRadial = 29,
  kKindDimArc = 30,
  kKindDimOrdinate = 31,
  kKindTextLike = 33,
  kKindArrowComposite = 34,
  kKindContainer = 36,
  kKindAttribute = 37,
  kKindWall = 38,
  kKindBezier = 45,
};

// Common header (32 bytes).
inline constexpr std::size_t kHdrSize = 0;         // u32 whole record size
inline constexpr std::size_t kHdrKind = 4;         // i8
inline constexpr std::size_t kHdrAttrByte = 5;     // u8, copied by Same-as
inline constexpr std::size_t kHdrAttr6 = 6;        // u32
inline constexpr std::size_t kHdrAttr10 = 10;      // u32
inline constexpr std::size_t kHdrFillStyle = 14;   // u16, 0 = none
inline constexpr std::size_t kHdrLineStyle = 16;   // u16
inline constexpr std::size_t kHdrUnused18 = 18;    // u16
inline constexpr std::size_t kHdrLayer = 20;       // u16
inline constexpr std::size_t kHdrAttr22 = 22;      // u32
inline constexpr std::size_t kHdrReserved26 = 26;  // 6 bytes
inline constexpr std::size_t kHeaderBytes = 32;

// Point (1), a layout of the headless host: x, y, z.
inline constexpr std::size_t kPointX = 32;
inline constexpr std::size_t kPointY = 40;
inline constexpr std::size_t kPointZ = 48;
inline constexpr std::uint32_t kPointSize = 56;

// Line (2).
inline constexpr std::size_t kLineX1 = 32;
inline constexpr std::size_t kLineY1 = 40;
inline constexpr std::size_t kLineX2 = 48;
inline constexpr std::size_t kLineY2 = 56;
inline constexpr std::uint32_t kLineSize = 64;

// Open path (3) and closed polygon (4).
inline constexpr std::size_t kPolyCount = 32;     // u16
inline constexpr std::size_t kPolyVertices = 34;  // x, y doubles, 16 bytes each
inline constexpr std::size_t kVertexBytes = 16;
inline constexpr std::uint32_t PolySize(std::uint32_t count) { return 34 + 16 * count; }
inline constexpr std::uint32_t kBoxSize = 114;  // five vertices, the last repeats the first

// Text (5).
inline constexpr std::size_t kTextX = 32;
inline constexpr std::size_t kTextY = 40;
inline constexpr std::size_t kTextCacheFlag = 80;  // u8, 0 after every change
inline constexpr std::size_t kTextSpec = 81;       // 23-byte text specification
inline constexpr std::size_t kTextString = 104;    // NUL-terminated, CR LF between lines
inline constexpr std::uint32_t TextSize(std::uint32_t length) { return length + 105; }

// Text specification block (23 bytes), offsets within the block.
inline constexpr std::size_t kSpecStyleRef = 0;    // u16
inline constexpr std::size_t kSpecHeight = 2;      // f32
inline constexpr std::size_t kSpecWidth = 6;       // f32 width factor
inline constexpr std::size_t kSpecAngle = 10;      // f32 radians
inline constexpr std::size_t kSpecHost14 = 14;     // f32, copied
inline constexpr std::size_t kSpecFont = 18;       // u16 font number
inline constexpr std::size_t kSpecStyleBits = 20;  // u8
inline constexpr std::size_t kSpecHost21 = 21;     // u8, copied
inline constexpr std::size_t kSpecJustify = 22;    // u8
inline constexpr std::size_t kTextSpecBytes = 23;

inline constexpr std::uint8_t kStyleOutline = 0x04;
inline constexpr std::uint8_t kStyleBold = 0x10;
inline constexpr std::uint8_t kStyleItalic = 0x20;
inline constexpr std::uint8_t kStyleUnderline = 0x40;
inline constexpr std::uint8_t kStyleStrikeOut = 0x80;

// Circle (6) and arc (7).
inline constexpr std::size_t kCircleX = 32;
inline constexpr std::size_t kCircleY = 40;
inline constexpr std::size_t kCircleR = 48;
inline constexpr std::uint32_t kCircleSize = 56;
inline constexpr std::size_t kArcStart = 56;  // radians
inline constexpr std::size_t kArcSweep = 64;  // radians
inline constexpr std::uint32_t kArcSize = 72;

// Ellipse (8) and elliptical arc (9), layouts of the headless host: centre,
// major and minor radius, rotation of the major axis; the arc adds the start
// and sweep of the ellipse's parametric angle.
inline constexpr std::size_t kEllipseX = 32;
inline constexpr std::size_t kEllipseY = 40;
inline constexpr std::size_t kEllipseMajor = 48;
inline constexpr std::size_t kEllipseMinor = 56;
inline constexpr std::size_t kEllipseRotation = 64;
inline constexpr std::uint32_t kEllipseSize = 72;
inline constexpr std::size_t kEllArcStart = 72;
inline constexpr std::size_t kEllArcSweep = 80;
inline constexpr std::uint32_t kEllArcSize = 88;

// Group (10), opaque (11) and glyph container (13): header only.
inline constexpr std::uint32_t kGroupSize = 32;

// Symbol instance (12).
inline constexpr std::size_t kSymDefinition = 32;  // u32 host reference
inline constexpr std::size_t kSymMatrix = 36;      // 3 rows x 4 doubles
inline constexpr std::size_t kSymMatrixDoubles = 12;
inline constexpr std::size_t kSymInsertX = 60;  // row 0, column 3
inline constexpr std::size_t kSymInsertY = 92;  // row 1, column 3
inline constexpr std::size_t kSymName = 132;    // NUL-terminated
inline constexpr std::uint32_t SymbolSize(std::uint32_t name_length) { return 133 + name_length; }

// Curve path (26) and closed curve (27).
inline constexpr std::size_t kCurveType = 32;    // u8: 0 path, 1 spline, 2 pspline, 3 Bezier
inline constexpr std::size_t kCurveFlag = 33;    // u8, 8 when made by text explode
inline constexpr std::size_t kCurveZero34 = 34;  // u32
inline constexpr std::size_t kCurveZero38 = 38;  // u32
inline constexpr std::size_t kCurveSpan = 42;    // double, vertex count - 1
inline constexpr std::size_t kCurveCount = 50;   // u16
inline constexpr std::size_t kCurveVertices = 52;
inline constexpr std::uint32_t CurveSize(std::uint32_t count) { return 52 + 16 * count; }
enum CurveType : std::uint8_t { kCurveLines = 0, kCurveSpline = 1, kCurvePSpline = 2, kCurveBezier = 3 };

// Dimensions (28 to 31): the 116-byte style block first.
inline constexpr std::size_t kDimStyle = 32;
inline constexpr std::size_t kDimStyleBytes = 116;
inline constexpr std::size_t kDimLinearPointFlag = 221;  // kind 28, bit 0: "DIMP;"
inline constexpr std::size_t kDimRadialFlag = 244;       // kind 29, bit 1: "DIMR;"

// Arc dimension (30), 231 bytes.
inline constexpr std::size_t kDimArcCentreX = 148;
inline constexpr std::size_t kDimArcCentreY = 156;
inline constexpr std::size_t kDimArcRadius = 164;
inline constexpr std::size_t kDimArcStart = 172;
inline constexpr std::size_t kDimArcSweep = 180;
inline constexpr std::size_t kDimArcLeader1 = 188;
inline constexpr std::size_t kDimArcLeader2 = 196;
inline constexpr std::size_t kDimArcTextX = 204;
inline constexpr std::size_t kDimArcTextY = 212;
inline constexpr std::size_t kDimArcZero220 = 220;
inline constexpr std::size_t kDimArcZero224 = 224;
inline constexpr std::size_t kDimArcTextSide = 228;
inline constexpr std::size_t kDimArcFlags = 229;
inline constexpr std::size_t kDimArcLast = 230;
inline constexpr std::uint32_t kDimArcSize = 231;

// Text-like entity (33).
inline constexpr std::size_t kTextLikeX = 64;
inline constexpr std::size_t kTextLikeY = 72;
inline constexpr std::size_t kTextLikeCacheFlag = 112;
inline constexpr std::size_t kTextLikeString = 136;
inline constexpr std::uint32_t TextLikeSize(std::uint32_t length) { return length + 137; }

// Composite with arrow settings (34).
inline constexpr std::size_t kArrowSettings = 32;  // 10 bytes
inline constexpr std::size_t kArrowSettingsBytes = 10;
inline constexpr std::size_t kArrowFlags = 42;  // u32, bits 0 and 1

// Container (36).
inline constexpr std::size_t kContainerFlags = 32;  // u32, bit 1: reorderable member list
inline constexpr std::uint32_t kContainerOrdered = 0x2;

// Attribute-like text entity (37).
inline constexpr std::size_t kAttrFlags = 32;  // u16
inline constexpr std::uint16_t kAttrNoTransform = 0x0008;
inline constexpr std::size_t kAttrPart1 = 34;         // u32 offset
inline constexpr std::size_t kAttrPart2 = 38;         // u32 offset
inline constexpr std::size_t kAttrStringOffset = 42;  // u32 offset, 0 = no string
inline constexpr std::size_t kAttrX = 46;
inline constexpr std::size_t kAttrY = 54;
inline constexpr std::size_t kAttrFixedBytes = 62;
inline constexpr std::size_t kAttrFirstString = 118;  // where a string is made when there is none
// The leading bytes that a transform of the entity may change.
inline constexpr std::size_t kAttrTransformedBytes = 119;

// Wall (38), a layout of the headless host: axis from (x1, y1) to (x2, y2), width.
inline constexpr std::size_t kWallX1 = 32;
inline constexpr std::size_t kWallY1 = 40;
inline constexpr std::size_t kWallX2 = 48;
inline constexpr std::size_t kWallY2 = 56;
inline constexpr std::size_t kWallWidth = 64;
inline constexpr std::uint32_t kWallSize = 72;

// Bezier curve (45), a layout of the headless host: cubic segments sharing end
// points, 3n + 1 control points.
inline constexpr std::size_t kBezCount = 32;  // u16
inline constexpr std::size_t kBezPoints = 34;
inline constexpr std::uint32_t BezierSize(std::uint32_t count) { return 34 + 16 * count; }

// EInfo query 1 bits.
inline constexpr int kInfoClosed = 0x4;
inline constexpr int kInfoPlainMask = 0x12;
inline constexpr int kInfoPlain = 0x2;

// EGet queries.
inline constexpr int kQueryPointAt = 0;
inline constexpr int kQueryParamOf = 2;
inline constexpr int kQueryLength = 5;

// Extents box: min x, y, z, max x, y, z (doubles), then a u32 valid flag.
inline constexpr std::size_t kBoxMinX = 0;
inline constexpr std::size_t kBoxMinY = 8;
inline constexpr std::size_t kBoxMinZ = 16;
inline constexpr std::size_t kBoxMaxX = 24;
inline constexpr std::size_t kBoxMaxY = 32;
inline constexpr std::size_t kBoxMaxZ = 40;
inline constexpr std::size_t kBoxValid = 48;
inline constexpr std::size_t kBoxBytes = 52;

// Walk filters.
inline constexpr int kWalkAll = 0;
inline constexpr int kWalkSelected = 0x10000;
inline constexpr int kWalkVisible = 0x1000;  // on a layer that is not hidden
inline constexpr int kWalkUnfrozen = 0x800;  // on a layer that is not frozen
inline constexpr int kWalkSelectedVisible = kWalkSelected | kWalkVisible;
inline constexpr int kWalkSelectedUnfrozen = kWalkSelected | kWalkUnfrozen;

}  // namespace vx
