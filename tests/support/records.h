// Builders of loose entity records for the tests, the benchmarks and the fuzz
// targets: every field they write is named in host/entity_layout.h.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "host/entity_layout.h"
#include "host/record.h"

namespace vxtest {

using Record = std::vector<std::uint8_t>;

inline Record Blank(vx::Kind kind, std::uint32_t size) {
  Record r(size, 0);
  vx::PutU32(r.data(), vx::kHdrSize, size);
  vx::PutI8(r.data(), vx::kHdrKind, kind);
  return r;
}

inline Record OnLayer(Record r, std::uint16_t layer) {
  vx::PutU16(r.data(), vx::kHdrLayer, layer);
  return r;
}

inline Record Group() { return Blank(vx::kKindGroup, vx::kGroupSize); }

// A text with nothing but its string: a zero text format block.
inline Record BareText(const std::string& s) {
  Record r = Blank(vx::kKindText, vx::TextSize(static_cast<std::uint32_t>(s.size())));
  std::memcpy(r.data() + vx::kTextString, s.data(), s.size());
  return r;
}

inline Record Line(double x1, double y1, double x2, double y2) {
  Record r = Blank(vx::kKindLine, vx::kLineSize);
  vx::PutF64(r.data(), vx::kLineX1, x1);
  vx::PutF64(r.data(), vx::kLineY1, y1);
  vx::PutF64(r.data(), vx::kLineX2, x2);
  vx::PutF64(r.data(), vx::kLineY2, y2);
  return r;
}

inline Record Poly(vx::Kind kind, const std::vector<std::pair<double, double>>& vertices) {
  const auto count = static_cast<std::uint32_t>(vertices.size());
  Record r = Blank(kind, vx::PolySize(count));
  vx::PutU16(r.data(), vx::kPolyCount, static_cast<std::uint16_t>(count));
  for (std::uint32_t i = 0; i < count; ++i) {
    vx::PutF64(r.data(), vx::kPolyVertices + i * vx::kVertexBytes, vertices[i].first);
    vx::PutF64(r.data(), vx::kPolyVertices + i * vx::kVertexBytes + 8, vertices[i].second);
  }
  return r;
}

inline Record Attribute(double x, double y) {
  Record r = Blank(vx::kKindAttribute, vx::kAttrFixedBytes);
  vx::PutF64(r.data(), vx::kAttrX, x);
  vx::PutF64(r.data(), vx::kAttrY, y);
  return r;
}

inline Record Circle(double x, double y, double radius) {
  Record r = Blank(vx::kKindCircle, vx::kCircleSize);
  vx::PutF64(r.data(), vx::kCircleX, x);
  vx::PutF64(r.data(), vx::kCircleY, y);
  vx::PutF64(r.data(), vx::kCircleR, radius);
  return r;
}

inline Record Arc(double x, double y, double radius, double start, double sweep) {
  Record r = Blank(vx::kKindArc, vx::kArcSize);
  vx::PutF64(r.data(), vx::kCircleX, x);
  vx::PutF64(r.data(), vx::kCircleY, y);
  vx::PutF64(r.data(), vx::kCircleR, radius);
  vx::PutF64(r.data(), vx::kArcStart, start);
  vx::PutF64(r.data(), vx::kArcSweep, sweep);
  return r;
}

inline Record Text(double x, double y, float height, float width, float angle, const std::string& s,
                   std::uint8_t justify = 0) {
  Record r = Blank(vx::kKindText, vx::TextSize(static_cast<std::uint32_t>(s.size())));
  vx::PutF64(r.data(), vx::kTextX, x);
  vx::PutF64(r.data(), vx::kTextY, y);
  vx::PutU8(r.data(), vx::kTextCacheFlag, 1);
  vx::PutF32(r.data(), vx::kTextSpec + vx::kSpecHeight, height);
  vx::PutF32(r.data(), vx::kTextSpec + vx::kSpecWidth, width);
  vx::PutF32(r.data(), vx::kTextSpec + vx::kSpecAngle, angle);
  vx::PutU8(r.data(), vx::kTextSpec + vx::kSpecJustify, justify);
  std::memcpy(r.data() + vx::kTextString, s.data(), s.size());
  return r;
}

inline Record Ellipse(double x, double y, double major, double minor, double rotation) {
  Record r = Blank(vx::kKindEllipse, vx::kEllipseSize);
  vx::PutF64(r.data(), vx::kEllipseX, x);
  vx::PutF64(r.data(), vx::kEllipseY, y);
  vx::PutF64(r.data(), vx::kEllipseMajor, major);
  vx::PutF64(r.data(), vx::kEllipseMinor, minor);
  vx::PutF64(r.data(), vx::kEllipseRotation, rotation);
  return r;
}

inline Record EllipticalArc(double x, double y, double major, double minor, double rotation, double start,
                            double sweep) {
  Record r = Ellipse(x, y, major, minor, rotation);
  r.resize(vx::kEllArcSize, 0);
  vx::PutU32(r.data(), vx::kHdrSize, vx::kEllArcSize);
  vx::PutI8(r.data(), vx::kHdrKind, vx::kKindEllipticalArc);
  vx::PutF64(r.data(), vx::kEllArcStart, start);
  vx::PutF64(r.data(), vx::kEllArcSweep, sweep);
  return r;
}

inline Record Curve(vx::Kind kind, std::uint8_t type, const std::vector<std::pair<double, double>>& points) {
  const auto count = static_cast<std::uint32_t>(points.size());
  Record r = Blank(kind, vx::CurveSize(count));
  vx::PutU8(r.data(), vx::kCurveType, type);
  vx::PutF64(r.data(), vx::kCurveSpan, count - 1.0);
  vx::PutU16(r.data(), vx::kCurveCount, static_cast<std::uint16_t>(count));
  for (std::uint32_t i = 0; i < count; ++i) {
    vx::PutF64(r.data(), vx::kCurveVertices + i * vx::kVertexBytes, points[i].first);
    vx::PutF64(r.data(), vx::kCurveVertices + i * vx::kVertexBytes + 8, points[i].second);
  }
  return r;
}

inline Record Bezier(const std::vector<std::pair<double, double>>& points) {
  const auto count = static_cast<std::uint32_t>(points.size());
  Record r = Blank(vx::kKindBezier, vx::BezierSize(count));
  vx::PutU16(r.data(), vx::kBezCount, static_cast<std::uint16_t>(count));
  for (std::uint32_t i = 0; i < count; ++i) {
    vx::PutF64(r.data(), vx::kBezPoints + i * vx::kVertexBytes, points[i].first);
    vx::PutF64(r.data(), vx::kBezPoints + i * vx::kVertexBytes + 8, points[i].second);
  }
  return r;
}

inline Record Wall(double x1, double y1, double x2, double y2, double width) {
  Record r = Blank(vx::kKindWall, vx::kWallSize);
  vx::PutF64(r.data(), vx::kWallX1, x1);
  vx::PutF64(r.data(), vx::kWallY1, y1);
  vx::PutF64(r.data(), vx::kWallX2, x2);
  vx::PutF64(r.data(), vx::kWallY2, y2);
  vx::PutF64(r.data(), vx::kWallWidth, width);
  return r;
}

}  // namespace vxtest
