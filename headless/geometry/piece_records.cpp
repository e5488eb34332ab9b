#include "headless/geometry/piece_records.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "headless/geometry/curve_records.h"
#include "headless/geometry/entity_access.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

namespace {

std::uint16_t CountField(std::size_t count) {
  if (count > std::numeric_limits<std::uint16_t>::max())
    throw HostFault("a piece of " + std::to_string(count) + " points does not fit a record (65535 at most)");
  return static_cast<std::uint16_t>(count);
}

void PutPoints(RecordBytes& r, std::size_t first_x, const std::vector<P2>& points) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    vx::PutF64(r.data(), first_x + i * vx::kVertexBytes, points[i].x);
    vx::PutF64(r.data(), first_x + i * vx::kVertexBytes + 8, points[i].y);
  }
}

P2 Third(const P2& a, const P2& b, double k) { return {a.x + k * (b.x - a.x), a.y + k * (b.y - a.y)}; }

}  // namespace

RecordBytes RecordLike(vx::Entity source, int kind, std::uint32_t size) {
  // Every record has at least its header.
  RecordBytes r(std::max<std::size_t>(size, vx::kHeaderBytes), 0);
  std::copy_n(source, vx::kHeaderBytes, r.begin());
  vx::PutU32(r.data(), vx::kHdrSize, size);
  vx::PutI8(r.data(), vx::kHdrKind, static_cast<std::int8_t>(kind));
  return r;
}

RecordBytes LineRecord(vx::Entity source, const P2& a, const P2& b) {
  RecordBytes r = RecordLike(source, vx::kKindLine, vx::kLineSize);
  PutPoints(r, vx::kLineX1, {a, b});
  return r;
}

RecordBytes PathRecord(vx::Entity source, const std::vector<P2>& points) {
  const std::uint16_t count = CountField(points.size());
  RecordBytes r = RecordLike(source, vx::kKindPath, vx::PolySize(count));
  vx::PutU16(r.data(), vx::kPolyCount, count);
  PutPoints(r, vx::kPolyVertices, points);
  return r;
}

RecordBytes ArcRecord(vx::Entity source, const Piece& arc) {
  RecordBytes r = RecordLike(source, vx::kKindArc, vx::kArcSize);
  // Circular pieces of circles and arcs keep u along +x, so the parametric
  // angle is the direction.
  const double base = std::atan2(arc.u.y, arc.u.x);
  PutPoints(r, vx::kCircleX, {arc.centre});
  vx::PutF64(r.data(), vx::kCircleR, arc.Radius());
  vx::PutF64(r.data(), vx::kArcStart, NormalizeAngle(base + arc.start));
  vx::PutF64(r.data(), vx::kArcSweep, arc.sweep);
  return r;
}

RecordBytes EllipticalArcRecord(vx::Entity source, const Piece& arc) {
  RecordBytes r = RecordLike(source, vx::kKindEllipticalArc, vx::kEllArcSize);
  EllipseShape s = EllipseOfPiece(arc);
  if ((s.sweep < 0) != (arc.sweep < 0)) {  // keep the direction of travel's sign
    s.start = NormalizeAngle(s.start + s.sweep);
    s.sweep = -s.sweep;
  }
  WriteEllipse(r.data(), s);
  return r;
}

RecordBytes CurveRecord(vx::Entity source, int type, const std::vector<P2>& points) {
  const std::uint16_t count = CountField(points.size());
  RecordBytes r = RecordLike(source, vx::kKindCurvePath, vx::CurveSize(count));
  const int kind = vx::GetI8(source, vx::kHdrKind);
  if (kind == vx::kKindCurvePath || kind == vx::kKindClosedCurve)
    vx::PutU8(r.data(), vx::kCurveFlag, vx::GetU8(source, vx::kCurveFlag));
  vx::PutU8(r.data(), vx::kCurveType, static_cast<std::uint8_t>(type));
  vx::PutF64(r.data(), vx::kCurveSpan, count > 0 ? count - 1.0 : 0.0);
  vx::PutU16(r.data(), vx::kCurveCount, count);
  PutPoints(r, vx::kCurveVertices, points);
  return r;
}

RecordBytes BezierRecord(vx::Entity source, const std::vector<P2>& points) {
  const std::uint16_t count = CountField(points.size());
  RecordBytes r = RecordLike(source, vx::kKindBezier, vx::BezierSize(count));
  vx::PutU16(r.data(), vx::kBezCount, count);
  PutPoints(r, vx::kBezPoints, points);
  return r;
}

std::vector<P2> BezierPoints(const std::vector<Piece>& pieces) {
  std::vector<P2> points;
  for (const Piece& piece : pieces) {
    std::array<P2, 4> c = piece.p;
    if (piece.kind == PieceKind::kLine)
      c = {piece.p[0], Third(piece.p[0], piece.p[1], 1.0 / 3), Third(piece.p[0], piece.p[1], 2.0 / 3), piece.p[1]};
    if (points.empty()) points.push_back(c[0]);
    points.insert(points.end(), {c[1], c[2], c[3]});
  }
  return points;
}

std::vector<P2> ChainVertices(const std::vector<Piece>& pieces) {
  std::vector<P2> points;
  for (const Piece& piece : pieces)
    for (const P2& p : {piece.Start(), piece.End()})
      if (points.empty() || !(points.back() == p)) points.push_back(p);
  if (points.size() == 1) points.push_back(points[0]);  // a point stays a (zero-length) path
  return points;
}

}  // namespace vxh
