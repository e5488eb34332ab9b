#include "headless/geometry/plane.h"

#include <cmath>

#include "headless/tolerances.h"

namespace vxh {

double Distance(const P2& p, const P2& q) { return std::hypot(q.x - p.x, q.y - p.y); }

double NormalizeAngle(double angle) {
  if (!std::isfinite(angle)) return angle;
  double a = std::fmod(angle, kTwoPi);
  if (a < 0) a += kTwoPi;
  // A tiny negative angle plus 2π rounds to 2π itself, which is outside.
  if (a >= kTwoPi) a = 0;
  return a + 0.0;  // no negative zero
}

double DirectionAngle(const P2& from, const P2& to) { return NormalizeAngle(std::atan2(to.y - from.y, to.x - from.x)); }

P2 PolarPoint(const P2& p, double distance, double angle) {
  return {p.x + distance * std::cos(angle), p.y + distance * std::sin(angle)};
}

double ParamOnLine(const P2& p, const P2& a, const P2& b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  if (dx == 0 && dy == 0) return 0;
  // One division by the dominant difference: at the end points numerator and
  // denominator are the same double, so t is exactly 0 or 1.
  const double t = std::fabs(dx) >= std::fabs(dy) ? (p.x - a.x) / dx : (p.y - a.y) / dy;
  return t + 0.0;
}

double NearestParamOnLine(const P2& p, const P2& a, const P2& b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length_sq = dx * dx + dy * dy;
  if (length_sq == 0) return 0;
  const double t = ParamOnLine(p, a, b);
  // Offset of p across the line, measured along the minor coordinate at the
  // dominant-coordinate parameter.
  const bool x_dominant = std::fabs(dx) >= std::fabs(dy);
  const double offset = x_dominant ? (p.y - a.y) - t * dy : (p.x - a.x) - t * dx;
  if (std::fabs(offset) <= tol::kOnLineRelative * std::sqrt(length_sq)) return t;
  const double minor = x_dominant ? dy : dx;
  return t + minor * offset / length_sq;
}

P2 PointAtParam(double t, const P2& a, const P2& b) {
  if (t == 0) return a;  // exact on purpose: the ends are the stored vertices
  if (t == 1) return b;
  return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

namespace {

// A length that only sets a threshold: the plain square root where the
// squares can neither overflow nor underflow (several times cheaper than
// hypot, and hit for every edge of every scan line when hatching).
double ThresholdLength(double dx, double dy) {
  const double squared = dx * dx + dy * dy;
  if (squared > 1e-280 && squared < 1e280) return std::sqrt(squared);
  return std::hypot(dx, dy);
}

std::optional<P2> SharedVertex(const P2& a1, const P2& a2, const P2& b1, const P2& b2) {
  // Exact on purpose: segments that meet at a stored vertex meet there bit for bit.
  if (a1 == b1 || a1 == b2) return a1;
  if (a2 == b1 || a2 == b2) return a2;
  return std::nullopt;
}

double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// Keeps the coordinate that an axis-parallel line fixes exactly.
void KeepAxisCoordinates(P2& out, const P2& a1, const P2& a2, const P2& b1, const P2& b2) {
  if (a1.x == a2.x)
    out.x = a1.x;
  else if (b1.x == b2.x)
    out.x = b1.x;
  if (a1.y == a2.y)
    out.y = a1.y;
  else if (b1.y == b2.y)
    out.y = b1.y;
}

}  // namespace

std::optional<P2> IntersectLines(const P2& a1, const P2& a2, const P2& b1, const P2& b2, double* t_on_a) {
  const double adx = a2.x - a1.x, ady = a2.y - a1.y;
  const double bdx = b2.x - b1.x, bdy = b2.y - b1.y;
  const double a_len = ThresholdLength(adx, ady);
  const double b_len = ThresholdLength(bdx, bdy);
  if (a_len == 0 || b_len == 0) return std::nullopt;
  const double den = Cross(adx, ady, bdx, bdy);
  if (!(std::fabs(den) > tol::kParallelSine * a_len * b_len)) return std::nullopt;
  const double t = Cross(b1.x - a1.x, b1.y - a1.y, bdx, bdy) / den;
  std::optional<P2> shared = SharedVertex(a1, a2, b1, b2);
  P2 out = shared ? *shared : PointAtParam(t, a1, a2);
  if (!shared) KeepAxisCoordinates(out, a1, a2, b1, b2);
  if (t_on_a != nullptr) *t_on_a = shared ? ParamOnLine(out, a1, a2) : t;
  return out;
}

double SignedDistance(const P2& p, const P2& l1, const P2& l2) {
  const double dx = l2.x - l1.x;
  const double dy = l2.y - l1.y;
  const double length = std::hypot(dx, dy);
  if (length == 0) return Distance(p, l1);
  return Cross(dx, dy, p.x - l1.x, p.y - l1.y) / length;
}

}  // namespace vxh
