#include "headless/dxf/dxf_records.h"

#include <algorithm>
#include <cstring>

#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh::dxf {

namespace {

void PutP2(Record& r, std::size_t at, P2 p) {
  vx::PutF64(r.data(), at, p.x);
  vx::PutF64(r.data(), at + 8, p.y);
}

void PutPoints(Record& r, std::size_t at, const std::vector<P2>& points) {
  for (std::size_t i = 0; i < points.size(); ++i) PutP2(r, at + i * vx::kVertexBytes, points[i]);
}

}  // namespace

Record NewRecord(int kind, std::uint32_t size, const EntityStyle& style) {
  Record r(size, 0);
  vx::PutU32(r.data(), vx::kHdrSize, size);
  vx::PutI8(r.data(), vx::kHdrKind, static_cast<std::int8_t>(kind));
  vx::PutU32(r.data(), vx::kHdrAttr6, style.colour);
  vx::PutU16(r.data(), vx::kHdrLineStyle, style.line_style);
  vx::PutU16(r.data(), vx::kHdrLayer, style.layer);
  vx::PutU16(r.data(), kHdrDxfFlags, style.dxf_flags);
  vx::PutU16(r.data(), vx::kHdrFillStyle, style.fill_style);
  return r;
}

Record PointRecord(double x, double y, double z, const EntityStyle& style) {
  Record r = NewRecord(vx::kKindPoint, vx::kPointSize, style);
  vx::PutF64(r.data(), vx::kPointX, x);
  vx::PutF64(r.data(), vx::kPointY, y);
  vx::PutF64(r.data(), vx::kPointZ, z);
  return r;
}

Record LineRecord(P2 a, P2 b, const EntityStyle& style) {
  Record r = NewRecord(vx::kKindLine, vx::kLineSize, style);
  PutP2(r, vx::kLineX1, a);
  PutP2(r, vx::kLineX2, b);
  return r;
}

Record PolyRecord(int kind, const std::vector<P2>& points, const EntityStyle& style) {
  std::vector<P2> vertices = points;
  if (kind == vx::kKindPolygon && !points.empty()) vertices.push_back(points.front());
  const auto count = static_cast<std::uint32_t>(std::min(vertices.size(), kMaxVertexCount));
  vertices.resize(count);
  Record r = NewRecord(kind, vx::PolySize(count), style);
  vx::PutU16(r.data(), vx::kPolyCount, static_cast<std::uint16_t>(count));
  PutPoints(r, vx::kPolyVertices, vertices);
  return r;
}

Record CircleRecord(P2 centre, double radius, const EntityStyle& style) {
  Record r = NewRecord(vx::kKindCircle, vx::kCircleSize, style);
  PutP2(r, vx::kCircleX, centre);
  vx::PutF64(r.data(), vx::kCircleR, radius);
  return r;
}

Record ArcRecord(P2 centre, double radius, double start, double sweep, const EntityStyle& style) {
  Record r = NewRecord(vx::kKindArc, vx::kArcSize, style);
  PutP2(r, vx::kCircleX, centre);
  vx::PutF64(r.data(), vx::kCircleR, radius);
  vx::PutF64(r.data(), vx::kArcStart, start);
  vx::PutF64(r.data(), vx::kArcSweep, sweep);
  return r;
}

Record EllipseRecord(P2 centre, double major, double minor, double rotation, const EntityStyle& style) {
  Record r = NewRecord(vx::kKindEllipse, vx::kEllipseSize, style);
  PutP2(r, vx::kEllipseX, centre);
  vx::PutF64(r.data(), vx::kEllipseMajor, major);
  vx::PutF64(r.data(), vx::kEllipseMinor, minor);
  vx::PutF64(r.data(), vx::kEllipseRotation, rotation);
  return r;
}

Record EllipticalArcRecord(P2 centre, double major, double minor, double rotation, double start, double sweep,
                           const EntityStyle& style) {
  Record r = NewRecord(vx::kKindEllipticalArc, vx::kEllArcSize, style);
  PutP2(r, vx::kEllipseX, centre);
  vx::PutF64(r.data(), vx::kEllipseMajor, major);
  vx::PutF64(r.data(), vx::kEllipseMinor, minor);
  vx::PutF64(r.data(), vx::kEllipseRotation, rotation);
  vx::PutF64(r.data(), vx::kEllArcStart, start);
  vx::PutF64(r.data(), vx::kEllArcSweep, sweep);
  return r;
}

Record CurveRecord(int kind, std::uint8_t type, const std::vector<P2>& points, const EntityStyle& style) {
  const auto count = static_cast<std::uint32_t>(std::min(points.size(), kMaxVertexCount));
  Record r = NewRecord(kind, vx::CurveSize(count), style);
  vx::PutU8(r.data(), vx::kCurveType, type);
  vx::PutF64(r.data(), vx::kCurveSpan, count == 0 ? 0.0 : static_cast<double>(count - 1));
  vx::PutU16(r.data(), vx::kCurveCount, static_cast<std::uint16_t>(count));
  PutPoints(r, vx::kCurveVertices, std::vector<P2>(points.begin(), points.begin() + count));
  return r;
}

Record TextRecord(P2 origin, const std::uint8_t* spec, const std::string& text, const EntityStyle& style) {
  // A text record ends at its first NUL.
  const std::string body = text.substr(0, text.find('\0'));
  Record r = NewRecord(vx::kKindText, vx::TextSize(static_cast<std::uint32_t>(body.size())), style);
  PutP2(r, vx::kTextX, origin);
  std::copy_n(spec, vx::kTextSpecBytes, r.begin() + vx::kTextSpec);
  std::copy(body.begin(), body.end(), r.begin() + vx::kTextString);
  return r;
}

Record AttributeRecord(const AttributeText& a, const std::uint8_t* spec, const EntityStyle& style) {
  const auto cut = [](const std::string& s) { return s.substr(0, s.find('\0')); };
  const std::string value = cut(a.value), tag = cut(a.tag), prompt = cut(a.prompt);
  const std::size_t tag_at = kAttrTextStart + value.size() + 1, prompt_at = tag_at + tag.size() + 1;
  Record r = NewRecord(vx::kKindAttribute, static_cast<std::uint32_t>(prompt_at + prompt.size() + 1), style);
  vx::PutU16(r.data(), vx::kAttrFlags, a.flags);
  vx::PutU32(r.data(), vx::kAttrPart1, static_cast<std::uint32_t>(tag_at));
  vx::PutU32(r.data(), vx::kAttrPart2, static_cast<std::uint32_t>(prompt_at));
  vx::PutU32(r.data(), vx::kAttrStringOffset, static_cast<std::uint32_t>(kAttrTextStart));
  PutP2(r, vx::kAttrX, a.point);
  std::copy_n(spec, vx::kTextSpecBytes, r.begin() + kAttrSpec);
  PutP2(r, kAttrX2, a.second);
  std::copy(value.begin(), value.end(), r.begin() + kAttrTextStart);
  std::copy(tag.begin(), tag.end(), r.begin() + static_cast<std::ptrdiff_t>(tag_at));
  std::copy(prompt.begin(), prompt.end(), r.begin() + static_cast<std::ptrdiff_t>(prompt_at));
  return r;
}

// Offsets that point outside the record read as no text.
AttributeText AttributeTextOf(const std::uint8_t* record) {
  const std::uint32_t size = vx::GetU32(record, vx::kHdrSize);
  const auto text_at = [&](std::size_t field) {
    const std::uint32_t at = vx::GetU32(record, field);
    if (at == 0 || at >= size) return std::string();
    const auto* s = reinterpret_cast<const char*>(record + at);
    return std::string(s, strnlen(s, size - at));
  };
  AttributeText a;
  if (size < kAttrTextStart) return a;
  a.flags = vx::GetU16(record, vx::kAttrFlags);
  a.point = {vx::GetF64(record, vx::kAttrX), vx::GetF64(record, vx::kAttrY)};
  a.second = {vx::GetF64(record, kAttrX2), vx::GetF64(record, kAttrY2)};
  a.value = text_at(vx::kAttrStringOffset);
  a.tag = text_at(vx::kAttrPart1);
  a.prompt = text_at(vx::kAttrPart2);
  return a;
}

Record GroupRecord(const EntityStyle& style) { return NewRecord(vx::kKindGroup, vx::kGroupSize, style); }

Record SymbolRecord(const std::string& name, const InstanceMatrix& m, const EntityStyle& style) {
  const std::string body = name.substr(0, name.find('\0'));
  Record r = NewRecord(vx::kKindSymbol, vx::SymbolSize(static_cast<std::uint32_t>(body.size())), style);
  for (std::size_t i = 0; i < m.size(); ++i) vx::PutF64(r.data(), vx::kSymMatrix + 8 * i, m[i]);
  std::copy(body.begin(), body.end(), r.begin() + vx::kSymName);
  return r;
}

}  // namespace vxh::dxf
