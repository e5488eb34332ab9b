#include "headless/geometry/curve_pieces.h"

#include <string>

#include "headless/host_error.h"
#include "host/entity_layout.h"

namespace vxh {

namespace {

P2 Mid(const P2& a, const P2& b) { return {0.5 * (a.x + b.x), 0.5 * (a.y + b.y)}; }
P2 Toward(const P2& from, const P2& to, double k) {
  return {from.x + k * (to.x - from.x), from.y + k * (to.y - from.y)};
}

// A quadratic segment as the cubic with the same curve.
Piece Quadratic(const P2& a, const P2& control, const P2& b) {
  return Piece::Cubic(a, Toward(a, control, 2.0 / 3), Toward(b, control, 2.0 / 3), b);
}

std::vector<Piece> Straight(const std::vector<P2>& pts, bool closed) {
  std::vector<Piece> pieces;
  for (std::size_t i = 1; i < pts.size(); ++i) pieces.push_back(Piece::Line(pts[i - 1], pts[i]));
  if (closed && !pts.empty()) pieces.push_back(Piece::Line(pts.back(), pts.front()));
  return pieces;
}

std::vector<Piece> QuadraticSpline(const std::vector<P2>& pts, bool closed) {
  const std::size_t n = pts.size();
  std::vector<Piece> pieces;
  if (closed) {
    for (std::size_t i = 0; i < n; ++i) {
      const P2& before = pts[(i + n - 1) % n];
      const P2& after = pts[(i + 1) % n];
      pieces.push_back(Quadratic(Mid(before, pts[i]), pts[i], Mid(pts[i], after)));
    }
    return pieces;
  }
  if (n == 2) return {Piece::Line(pts[0], pts[1])};
  P2 on = n > 0 ? pts[0] : P2{};
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const P2 next_on = i + 2 == n ? pts[n - 1] : Mid(pts[i], pts[i + 1]);
    pieces.push_back(Quadratic(on, pts[i], next_on));
    on = next_on;
  }
  return pieces;
}

std::vector<Piece> CatmullRom(const std::vector<P2>& pts, bool closed) {
  const std::size_t n = pts.size();
  std::vector<Piece> pieces;
  if (n < 2) return pieces;
  auto point = [&](long i) -> P2 {
    if (closed)
      return pts[static_cast<std::size_t>((i % static_cast<long>(n) + static_cast<long>(n)) % static_cast<long>(n))];
    if (i < 0) return {2 * pts[0].x - pts[1].x, 2 * pts[0].y - pts[1].y};
    if (i >= static_cast<long>(n)) return {2 * pts[n - 1].x - pts[n - 2].x, 2 * pts[n - 1].y - pts[n - 2].y};
    return pts[static_cast<std::size_t>(i)];
  };
  const long segments = static_cast<long>(closed ? n : n - 1);
  for (long i = 0; i < segments; ++i) {
    const P2 p0 = point(i - 1), p1 = point(i), p2 = point(i + 1), p3 = point(i + 2);
    const P2 c1{p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6};
    const P2 c2{p2.x - (p3.x - p1.x) / 6, p2.y - (p3.y - p1.y) / 6};
    pieces.push_back(Piece::Cubic(p1, c1, c2, p2));
  }
  return pieces;
}

std::vector<Piece> Bezier(const std::vector<P2>& pts, bool closed, const char* operation) {
  const std::size_t n = pts.size();
  const bool wraps = closed && n % 3 == 0 && n >= 3;
  if (n > 0 && !wraps && (n < 4 || n % 3 != 1)) {
    throw HostFault(std::string(operation) + ": a Bezier curve of " + std::to_string(n) +
                    " points does not make whole cubic segments (it needs 3n + 1" +
                    (closed ? ", or 3n when closed)" : ")"));
  }
  std::vector<Piece> pieces;
  for (std::size_t i = 0; i + 3 < n; i += 3) pieces.push_back(Piece::Cubic(pts[i], pts[i + 1], pts[i + 2], pts[i + 3]));
  if (wraps)
    pieces.push_back(Piece::Cubic(pts[n - 3], pts[n - 2], pts[n - 1], pts[0]));
  else if (closed && n > 0 && !(pts.back() == pts.front()))
    pieces.push_back(Piece::Line(pts.back(), pts.front()));
  return pieces;
}

}  // namespace

std::vector<Piece> CurvePieces(int type, const std::vector<P2>& points, bool closed, const char* operation) {
  if (points.size() == 1) return {Piece::Line(points[0], points[0])};
  switch (type) {
    case vx::kCurveLines: return Straight(points, closed);
    case vx::kCurveSpline: return QuadraticSpline(points, closed);
    case vx::kCurvePSpline: return CatmullRom(points, closed);
    case vx::kCurveBezier: return Bezier(points, closed, operation);
    default:
      throw HostFault(std::string(operation) + ": curve type " + std::to_string(type) +
                      " is not one of 0 path, 1 spline, 2 pspline, 3 Bezier");
  }
}

}  // namespace vxh
