// Meetings solved in closed form: line with line, line with elliptical arc
// (a line in the frame where the ellipse is the unit circle), circle with
// circle.
#include <algorithm>
#include <cmath>

#include "headless/geometry/meeting_solvers.h"

namespace vxh {

namespace {

double Cross(const P2& a, const P2& b) { return a.x * b.y - a.y * b.x; }
P2 Minus(const P2& a, const P2& b) { return {a.x - b.x, a.y - b.y}; }

// A parameter within `slack` of [0, 1] is on the piece, clamped to it.
std::optional<double> OnPiece(double s, double slack) {
  if (s < -slack || s > 1 + slack) return std::nullopt;
  return std::clamp(s, 0.0, 1.0);
}

void Add(std::vector<Meeting>& out, bool swapped, double s_first, double s_second, const P2& p) {
  out.push_back(swapped ? Meeting{s_second, s_first, p} : Meeting{s_first, s_second, p});
}

// The parametric angle of a point of an elliptical arc's ellipse.
double ParametricAngle(const Piece& e, const P2& p) {
  const double det = Cross(e.u, e.v);
  const P2 d = Minus(p, e.centre);
  return std::atan2((e.u.x * d.y - e.u.y * d.x) / det, (d.x * e.v.y - d.y * e.v.x) / det);
}

}  // namespace

bool IsPointPiece(const Piece& piece) {
  switch (piece.kind) {
    case PieceKind::kLine: return piece.p[0] == piece.p[1];
    case PieceKind::kEllipseArc:
      return (piece.u.x == 0 && piece.u.y == 0 && piece.v.x == 0 && piece.v.y == 0) || piece.sweep == 0;
    case PieceKind::kCubic: return piece.p[0] == piece.p[1] && piece.p[1] == piece.p[2] && piece.p[2] == piece.p[3];
  }
  return false;
}

std::optional<double> ArcParamOfAngle(const Piece& arc, double theta, double angle_tolerance) {
  const double extent = std::fabs(arc.sweep);
  const double travel = arc.sweep >= 0 ? NormalizeAngle(theta - arc.start) : NormalizeAngle(arc.start - theta);
  if (extent >= kTwoPi) return travel / extent;
  if (travel <= extent) return travel / extent;
  if (travel <= extent + angle_tolerance) return 1.0;
  if (travel >= kTwoPi - angle_tolerance) return 0.0;
  return std::nullopt;
}

void MeetPoint(const Piece& point, const Piece& other, double tolerance, bool swapped, std::vector<Meeting>& out) {
  const P2 p = point.Start();
  const double s = other.NearestParam(p);
  if (Distance(other.At(s), p) <= tolerance) Add(out, swapped, 0, s, p);
}

void MeetAtOverlapEnds(const Piece& a, const Piece& b, double tolerance, std::vector<Meeting>& out) {
  for (double sa : {0.0, 1.0}) {
    const P2 p = a.At(sa);
    const double sb = b.NearestParam(p);
    if (Distance(b.At(sb), p) <= tolerance) out.push_back({sa, sb, p});
  }
  for (double sb : {0.0, 1.0}) {
    const P2 p = b.At(sb);
    const double sa = a.NearestParam(p);
    if (Distance(a.At(sa), p) <= tolerance) out.push_back({sa, sb, p});
  }
}

void MeetLines(const Piece& a, const Piece& b, double tolerance, std::vector<Meeting>& out) {
  const P2 a1 = a.p[0], a2 = a.p[1], b1 = b.p[0], b2 = b.p[1];
  double ta = 0;
  const std::optional<P2> crossing = IntersectLines(a1, a2, b1, b2, &ta);
  if (!crossing) {  // parallel: they meet only when they overlap
    if (std::fabs(SignedDistance(b1, a1, a2)) <= tolerance && std::fabs(SignedDistance(b2, a1, a2)) <= tolerance)
      MeetAtOverlapEnds(a, b, tolerance, out);
    return;
  }
  const double la = Distance(a1, a2), lb = Distance(b1, b2);
  const double tb = ParamOnLine(*crossing, b1, b2);
  const auto sa = OnPiece(ta, tolerance / la), sb = OnPiece(tb, tolerance / lb);
  if (!sa || !sb) return;
  // A crossing just past an end is that end.
  const P2 p = *sa != ta ? a.At(*sa) : *sb != tb ? b.At(*sb) : *crossing;
  out.push_back({*sa, *sb, p});
}

void MeetLineEllipse(const Piece& line, const Piece& e, double tolerance, bool swapped, std::vector<Meeting>& out) {
  const double det = Cross(e.u, e.v);
  const double size = std::max(std::hypot(e.u.x, e.u.y), std::hypot(e.v.x, e.v.y));
  // Into the frame where the ellipse is the unit circle: q = [u v]⁻¹ (p - c).
  auto to_frame = [&](const P2& d) { return P2{(d.x * e.v.y - d.y * e.v.x) / det, (e.u.x * d.y - e.u.y * d.x) / det}; };
  const P2 q0 = to_frame(Minus(line.p[0], e.centre));
  const P2 dq = to_frame(Minus(line.p[1], line.p[0]));
  const double dd = dq.x * dq.x + dq.y * dq.y;
  const double length = Distance(line.p[0], line.p[1]);
  const double rel = tolerance / size;
  // Distance of the frame's line from the origin and the foot of the normal.
  const double foot = -(q0.x * dq.x + q0.y * dq.y) / dd;
  const double gap = std::fabs(Cross(q0, dq)) / std::sqrt(dd);
  if (gap > 1 + rel) return;
  double roots[2] = {foot, foot};
  std::size_t root_count = 1;  // tangent: one point
  if (gap < 1 - rel) {
    const double half = std::sqrt(1 - gap * gap) / std::sqrt(dd);
    roots[0] = foot - half;
    roots[1] = foot + half;
    root_count = 2;
  }
  const double angle_tolerance = rel;
  for (std::size_t r = 0; r < root_count; ++r) {
    const double s = roots[r];
    const auto sl = OnPiece(s, tolerance / length);
    if (!sl) continue;
    const P2 q{q0.x + s * dq.x, q0.y + s * dq.y};
    const auto se = ArcParamOfAngle(e, std::atan2(q.y, q.x), angle_tolerance);
    if (!se) continue;
    Add(out, swapped, *sl, *se, *sl != s ? line.At(*sl) : line.At(s));
  }
}

void MeetCircles(const Piece& a, const Piece& b, double tolerance, std::vector<Meeting>& out) {
  const double ra = a.Radius(), rb = b.Radius();
  const P2 d = Minus(b.centre, a.centre);
  const double dist = std::hypot(d.x, d.y);
  if (dist <= tolerance && std::fabs(ra - rb) <= tolerance) {  // one circle
    // Two whole circles have no ends to report.
    if (std::fabs(a.sweep) < kTwoPi || std::fabs(b.sweep) < kTwoPi) MeetAtOverlapEnds(a, b, tolerance, out);
    return;
  }
  if (dist > ra + rb + tolerance || dist < std::fabs(ra - rb) - tolerance || dist == 0) return;
  const double base = std::atan2(d.y, d.x);
  std::vector<double> offsets;
  if (std::fabs(dist - (ra + rb)) <= tolerance || std::fabs(dist - std::fabs(ra - rb)) <= tolerance) {
    offsets.push_back(dist >= std::max(ra, rb) || ra >= rb ? 0.0 : kTwoPi / 2);  // tangent
  } else {
    const double c = std::clamp((ra * ra + dist * dist - rb * rb) / (2 * ra * dist), -1.0, 1.0);
    offsets = {-std::acos(c), std::acos(c)};
  }
  const double angle_tolerance = tolerance / std::max(ra, rb);
  for (double offset : offsets) {
    const double theta = base + offset;
    const P2 p{a.centre.x + ra * std::cos(theta), a.centre.y + ra * std::sin(theta)};
    const auto sa = ArcParamOfAngle(a, ParametricAngle(a, p), angle_tolerance);
    const auto sb = ArcParamOfAngle(b, ParametricAngle(b, p), angle_tolerance);
    if (sa && sb) out.push_back({*sa, *sb, p});
  }
}

}  // namespace vxh
