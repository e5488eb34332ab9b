// Filled outlines as HATCHes, SOLIDs and TRACEs. An outline with a
// line-family fill style is a HATCH whose pattern lines are the style's
// families (no families: a solid fill); a group carrying the fill style is
// one HATCH with a loop per member. The outline itself is written too unless
// it came from a HATCH, which draws no boundary of its own.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <numbers>
#include <optional>

#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/dxf/dxf_export_writer.h"
#include "headless/dxf/dxf_records.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh::dxf {

namespace {

constexpr double kDegrees = 180 / std::numbers::pi;
constexpr int kLoopExternal = 1;
constexpr int kLoopPolyline = 2;
constexpr int kEdgeArc = 2;
constexpr int kEdgeEllipse = 3;
constexpr int kEdgeSpline = 4;
constexpr int kPatternPredefined = 1;
constexpr int kPatternCustom = 2;

// "ANSI31~2", the second fill style made from an ANSI31 at another scale,
// is an ANSI31 in the file.
std::string PatternName(const std::string& style) {
  const std::size_t tilde = style.rfind('~');
  if (tilde == std::string::npos || tilde + 1 == style.size()) return style;
  for (std::size_t i = tilde + 1; i < style.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(style[i]))) return style;
  }
  return style.substr(0, tilde);
}

std::optional<FillInfo> ReadFill(const std::uint8_t* r) {
  const std::uint32_t size = vx::GetU32(r, vx::kRecSize);
  if (size <= vx::kFillName || vx::GetU8(r, vx::kFillType) != vx::kFillTypeLineFamilies) return std::nullopt;
  const int offset = vx::GetI8(r, vx::kFillDataOffset);
  if (offset < 0 || static_cast<std::size_t>(offset) + vx::kFillDataFamilies > size) return std::nullopt;
  FillInfo fill;
  fill.name = PatternName(std::string(reinterpret_cast<const char*>(r + vx::kFillName),
                                      strnlen(reinterpret_cast<const char*>(r + vx::kFillName),
                                              std::min<std::size_t>(size - vx::kFillName, vx::kNameFieldBytes))));
  const std::uint8_t* data = r + offset;
  const std::size_t room = size - static_cast<std::size_t>(offset);
  const std::uint32_t count = vx::GetU32(data, vx::kFillDataCount);
  const double scale = vx::GetF32(data, vx::kFillDataScale) > 0 ? vx::GetF32(data, vx::kFillDataScale) : 1.0;
  std::size_t at = vx::kFillDataFamilies;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (at + vx::kFamilyFixedBytes > room) return std::nullopt;
    const std::int32_t dashes = vx::GetI32(data + at, vx::kFamDashCount);
    if (dashes < 0 || (room - at - vx::kFamilyFixedBytes) / 4 < static_cast<std::size_t>(dashes)) return std::nullopt;
    PatternLine line;
    line.angle = vx::GetF32(data + at, vx::kFamAngle);
    line.origin = {vx::GetF32(data + at, vx::kFamOriginX) * scale, vx::GetF32(data + at, vx::kFamOriginY) * scale};
    line.spacing = vx::GetF32(data + at, vx::kFamSpacing) * scale;
    for (std::int32_t d = 0; d < dashes; ++d)
      line.dashes.push_back(vx::GetF32(data + at, vx::kFamDashes + 4u * d) * scale);
    fill.lines.push_back(std::move(line));
    at += vx::kFamilyFixedBytes + 4u * static_cast<std::size_t>(dashes);
  }
  return fill;
}

std::vector<P2> PointsOf(vx::Entity e, std::size_t count_at, std::size_t points_at) {
  const std::size_t count = vx::GetU16(e, count_at);
  std::vector<P2> points;
  if (points_at + 16 * count > vx::GetU32(e, vx::kHdrSize)) return points;
  for (std::size_t i = 0; i < count; ++i) {
    points.push_back({vx::GetF64(e, points_at + 16 * i), vx::GetF64(e, points_at + 16 * i + 8)});
  }
  // Closed outlines repeat their first point at the end.
  if (points.size() > 1 && points.front().x == points.back().x && points.front().y == points.back().y)
    points.pop_back();
  return points;
}

}  // namespace

void EntityWriter::ReadFillStyles(const Document& doc) {
  ForEachRecord(doc.Tables(), vx::kTableFillStyles, [&](const std::uint8_t* r) {
    if (std::optional<FillInfo> fill = ReadFill(r)) fills_[vx::GetU16(r, vx::kFillId)] = std::move(*fill);
  });
}

const FillInfo* EntityWriter::FillOf(vx::Entity e) const {
  const auto found = fills_.find(vx::GetU16(e, vx::kHdrFillStyle));
  return found == fills_.end() ? nullptr : &found->second;
}

bool EntityWriter::IsLoop(vx::Entity e) {
  const int kind = vx::GetI8(e, vx::kHdrKind);
  return kind == vx::kKindPolygon || kind == vx::kKindClosedCurve || kind == vx::kKindCircle ||
         kind == vx::kKindEllipse;
}

void EntityWriter::WriteLoop(vx::Entity e, bool first) {
  const int external = first ? kLoopExternal : 0;
  const int kind = vx::GetI8(e, vx::kHdrKind);
  const bool bezier = kind == vx::kKindClosedCurve && vx::GetU8(e, vx::kCurveType) == vx::kCurveBezier;
  if (kind == vx::kKindCircle || kind == vx::kKindEllipse) {
    out_.dxfInt(92, external);
    out_.dxfInt(93, 1);
    const bool circle = kind == vx::kKindCircle;
    out_.dxfInt(72, circle ? kEdgeArc : kEdgeEllipse);
    out_.dxfReal(10, vx::GetF64(e, vx::kCircleX));
    out_.dxfReal(20, vx::GetF64(e, vx::kCircleY));
    if (circle) {
      out_.dxfReal(40, vx::GetF64(e, vx::kCircleR));
    } else {
      const double major = vx::GetF64(e, vx::kEllipseMajor), rotation = vx::GetF64(e, vx::kEllipseRotation);
      out_.dxfReal(11, major * std::cos(rotation));
      out_.dxfReal(21, major * std::sin(rotation));
      out_.dxfReal(40, major > 0 ? vx::GetF64(e, vx::kEllipseMinor) / major : 1.0);
    }
    out_.dxfReal(50, 0.0);
    out_.dxfReal(51, 360.0);
    out_.dxfInt(73, 1);
  } else if (bezier) {
    const std::vector<P2> p = PointsOf(e, vx::kCurveCount, vx::kCurveVertices);
    // PointsOf dropped the closing point; the segments need it back.
    std::vector<P2> q = p;
    if (!q.empty()) q.push_back(q.front());
    const std::size_t segments = q.size() >= 4 ? (q.size() - 1) / 3 : 0;
    out_.dxfInt(92, external);
    out_.dxfInt(93, static_cast<int>(segments));
    for (std::size_t s = 0; s < segments; ++s) {
      out_.dxfInt(72, kEdgeSpline);
      out_.dxfInt(94, 3);
      out_.dxfInt(73, 0);
      out_.dxfInt(74, 0);
      out_.dxfInt(95, 8);
      out_.dxfInt(96, 4);
      for (double k : {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0}) out_.dxfReal(40, k);
      for (std::size_t i = 0; i < 4; ++i) {
        out_.dxfReal(10, q[3 * s + i].x);
        out_.dxfReal(20, q[3 * s + i].y);
      }
    }
  } else {
    const std::vector<P2> p = kind == vx::kKindPolygon ? PointsOf(e, vx::kPolyCount, vx::kPolyVertices)
                                                       : PointsOf(e, vx::kCurveCount, vx::kCurveVertices);
    if (kind == vx::kKindClosedCurve) ++skipped_["filled curve that is not a Bezier curve (filled along its points)"];
    out_.dxfInt(92, external | kLoopPolyline);
    out_.dxfInt(72, 0);
    out_.dxfInt(73, 1);
    out_.dxfInt(93, static_cast<int>(p.size()));
    for (const P2& v : p) {
      out_.dxfReal(10, v.x);
      out_.dxfReal(20, v.y);
    }
  }
  out_.dxfInt(97, 0);
}

void EntityWriter::WriteHatch(const EntityList& list, vx::Entity e, const FillInfo& fill, const DL_Attributes& a) {
  std::vector<vx::Entity> loops;
  if (vx::GetI8(e, vx::kHdrKind) == vx::kKindGroup) {
    if (const EntityList* members = list.Members(e)) {
      members->ForEach([&](vx::Entity m) {
        if (IsLoop(m)) loops.push_back(m);
      });
    }
  } else {
    loops.push_back(e);
  }
  if (loops.empty()) return;
  const bool solid = fill.lines.empty();
  out_.entity("HATCH");
  out_.dxfString(100, "AcDbEntity");
  out_.entityAttributes(a);
  out_.dxfString(100, "AcDbHatch");
  out_.dxfReal(10, 0.0);
  out_.dxfReal(20, 0.0);
  out_.dxfReal(30, 0.0);
  out_.dxfReal(210, 0.0);
  out_.dxfReal(220, 0.0);
  out_.dxfReal(230, 1.0);
  out_.dxfString(2, solid ? "SOLID" : fill.name);
  out_.dxfInt(70, solid ? 1 : 0);
  out_.dxfInt(71, 0);
  out_.dxfInt(91, static_cast<int>(loops.size()));
  for (std::size_t i = 0; i < loops.size(); ++i) WriteLoop(loops[i], i == 0);
  out_.dxfInt(75, 0);
  out_.dxfInt(76, solid ? kPatternPredefined : kPatternCustom);
  if (!solid) {
    // The families are in drawing units already: angle 0, scale 1.
    out_.dxfReal(52, 0.0);
    out_.dxfReal(41, 1.0);
    out_.dxfInt(77, 0);
    out_.dxfInt(78, static_cast<int>(fill.lines.size()));
    for (const PatternLine& l : fill.lines) {
      out_.dxfReal(53, l.angle * kDegrees);
      out_.dxfReal(43, l.origin.x);
      out_.dxfReal(44, l.origin.y);
      out_.dxfReal(45, -l.spacing * std::sin(l.angle));
      out_.dxfReal(46, l.spacing * std::cos(l.angle));
      out_.dxfInt(79, static_cast<int>(l.dashes.size()));
      for (double d : l.dashes) out_.dxfReal(49, d);
    }
  }
  out_.dxfInt(98, 0);
}

// SOLID and TRACE corners run 1, 2, 4, 3 around the outline.
bool EntityWriter::WriteFace(vx::Entity e, const DL_Attributes& a) {
  const std::uint16_t flags = vx::GetU16(e, kHdrDxfFlags);
  if ((flags & kDxfSolidFace) == 0 || vx::GetI8(e, vx::kHdrKind) != vx::kKindPolygon) return false;
  std::vector<P2> p = PointsOf(e, vx::kPolyCount, vx::kPolyVertices);
  if (p.size() == 3) p.push_back(p[2]);
  if (p.size() != 4) return false;
  const DL_TraceData face(p[0].x, p[0].y, 0, p[1].x, p[1].y, 0, p[3].x, p[3].y, 0, p[2].x, p[2].y, 0);
  if ((flags & kDxfTraceFace) != 0)
    dxf_.writeTrace(out_, face, a);
  else
    dxf_.writeSolid(out_, face, a);
  return true;
}

}  // namespace vxh::dxf
