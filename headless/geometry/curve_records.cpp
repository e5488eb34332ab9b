#include "headless/geometry/curve_records.h"

#include <cmath>

#include "headless/geometry/entity_access.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

EllipseShape ReadEllipse(vx::Entity e, const char* operation) {
  const bool arc = KindOf(e, operation) == vx::kKindEllipticalArc;
  RequireBytes(e, arc ? vx::kEllArcSize : vx::kEllipseSize, operation);
  EllipseShape s;
  s.centre = ReadPoint(e, vx::kEllipseX);
  s.major = vx::GetF64(e, vx::kEllipseMajor);
  s.minor = vx::GetF64(e, vx::kEllipseMinor);
  s.rotation = vx::GetF64(e, vx::kEllipseRotation);
  if (arc) {
    s.start = vx::GetF64(e, vx::kEllArcStart);
    s.sweep = vx::GetF64(e, vx::kEllArcSweep);
  }
  return s;
}

void WriteEllipse(vx::Entity e, const EllipseShape& s) {
  WritePoint(e, vx::kEllipseX, s.centre);
  vx::PutF64(e, vx::kEllipseMajor, s.major);
  vx::PutF64(e, vx::kEllipseMinor, s.minor);
  vx::PutF64(e, vx::kEllipseRotation, s.rotation);
  if (vx::GetI8(e, vx::kHdrKind) == vx::kKindEllipticalArc) {
    vx::PutF64(e, vx::kEllArcStart, s.start);
    vx::PutF64(e, vx::kEllArcSweep, s.sweep);
  }
}

Piece EllipsePiece(const EllipseShape& s) {
  const double c = std::cos(s.rotation), n = std::sin(s.rotation);
  return Piece::Ellipse(s.centre, {s.major * c, s.major * n}, {-s.minor * n, s.minor * c}, s.start, s.sweep);
}

// [u v] = R(rotation) · diag(major, minor) · W, where W is a rotation by -φ
// (or that rotation after a mirror). Then the point at θ is the canonical
// ellipse's point at θ - φ (or φ - θ for a mirror, which reverses the sweep).
EllipseShape EllipseOfPiece(const Piece& piece) {
  const double a = piece.u.x, b = piece.v.x, c = piece.u.y, d = piece.v.y;
  // Closed-form SVD of a 2x2 matrix.
  const double e = 0.5 * (a + d), f = 0.5 * (a - d), g = 0.5 * (c + b), h = 0.5 * (c - b);
  const double q = std::hypot(e, h), r = std::hypot(f, g);
  const double a1 = std::atan2(g, f), a2 = std::atan2(h, e);
  const double theta = 0.5 * (a2 - a1), phi = 0.5 * (a2 + a1);
  EllipseShape s;
  s.centre = piece.centre;
  s.major = q + r;
  s.minor = std::fabs(q - r);
  const bool mirrored = q < r;  // negative determinant
  // Left rotation phi, right rotation theta: M = R(phi) diag(q + r, q - r) R(theta).
  double rotation = phi;
  double shift = theta;  // the point at θ is the canonical point at θ + theta
  double sign = 1;
  if (mirrored) {
    // diag(major, -minor) = diag(major, minor) · mirror in x: θ -> -θ.
    sign = -1;
    shift = -theta;
  }
  // Canonical rotation in [0, π): a half turn of the axes is a half turn of θ.
  double turned = std::fmod(rotation, kTwoPi / 2);
  if (turned < 0) turned += kTwoPi / 2;
  const double half_turns = std::round((rotation - turned) / (kTwoPi / 2));
  s.rotation = turned;
  shift += half_turns * (kTwoPi / 2);
  s.start = NormalizeAngle(sign * piece.start + shift);
  s.sweep = sign * piece.sweep;
  return s;
}

CurvePoints ReadCurve(vx::Entity e, const char* operation) {
  CurvePoints curve;
  curve.points = CountedPoints(e, vx::kCurveCount, vx::kCurveVertices, &vx::CurveSize, operation);
  curve.type = vx::GetU8(e, vx::kCurveType);
  return curve;
}

std::vector<P2> ReadBezier(vx::Entity e, const char* operation) {
  return CountedPoints(e, vx::kBezCount, vx::kBezPoints, &vx::BezierSize, operation);
}

void WritePoints(vx::Entity e, std::size_t first_x, const std::vector<P2>& points) {
  for (std::size_t i = 0; i < points.size(); ++i) WritePoint(e, first_x + i * vx::kVertexBytes, points[i]);
}

WallShape ReadWall(vx::Entity e, const char* operation) {
  RequireBytes(e, vx::kWallSize, operation);
  return {ReadPoint(e, vx::kWallX1), ReadPoint(e, vx::kWallX2), vx::GetF64(e, vx::kWallWidth)};
}

std::vector<P2> WallCorners(const WallShape& w) {
  const double length = Distance(w.a, w.b);
  const double half = 0.5 * w.width;
  const P2 n = length > 0 ? P2{-(w.b.y - w.a.y) / length * half, (w.b.x - w.a.x) / length * half} : P2{};
  return {
      {w.a.x - n.x, w.a.y - n.y}, {w.b.x - n.x, w.b.y - n.y}, {w.b.x + n.x, w.b.y + n.y}, {w.a.x + n.x, w.a.y + n.y}};
}

}  // namespace vxh
