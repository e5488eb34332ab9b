#include "headless/geometry/piece.h"

#include <algorithm>
#include <cmath>

#include "headless/tolerances.h"

namespace vxh {

namespace {

P2 Add(const P2& a, const P2& b) { return {a.x + b.x, a.y + b.y}; }
P2 Sub2(const P2& a, const P2& b) { return {a.x - b.x, a.y - b.y}; }
P2 Scale(const P2& a, double k) { return {a.x * k, a.y * k}; }
P2 Lerp(const P2& a, const P2& b, double t) { return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)}; }
double Dot(const P2& a, const P2& b) { return a.x * b.x + a.y * b.y; }
double Norm(const P2& a) { return std::hypot(a.x, a.y); }

constexpr double kQuarterTurn = kTwoPi / 4;
constexpr int kMaxChords = 100000;

// Control points of the part of a cubic from 0 to t, then from t to 1.
void SplitCubic(const std::array<P2, 4>& c, double t, std::array<P2, 4>& left, std::array<P2, 4>& right) {
  const P2 ab = Lerp(c[0], c[1], t), bc = Lerp(c[1], c[2], t), cd = Lerp(c[2], c[3], t);
  const P2 abc = Lerp(ab, bc, t), bcd = Lerp(bc, cd, t);
  const P2 mid = Lerp(abc, bcd, t);
  left = {c[0], ab, abc, mid};
  right = {mid, bcd, cd, c[3]};
}

double Angle(const Piece& e, double s) { return e.start + s * e.sweep; }

P2 EllipsePoint(const Piece& e, double theta) {
  return Add(e.centre, Add(Scale(e.u, std::cos(theta)), Scale(e.v, std::sin(theta))));
}

P2 Deriv2(const Piece& piece, double s) {
  switch (piece.kind) {
    case PieceKind::kLine: return {};
    case PieceKind::kEllipseArc: {
      const double a = Angle(piece, s), k = -piece.sweep * piece.sweep;
      return Scale(Add(Scale(piece.u, std::cos(a)), Scale(piece.v, std::sin(a))), k);
    }
    case PieceKind::kCubic: {
      const auto& c = piece.p;
      const P2 a = Add(Sub2(c[0], Scale(c[1], 2)), c[2]);
      const P2 b = Add(Sub2(c[1], Scale(c[2], 2)), c[3]);
      return Scale(Lerp(a, b, s), 6);
    }
  }
  return {};
}

// The roots in (0, 1) of a t² + b t + c.
int QuadraticRoots(double a, double b, double c, double roots[2]) {
  int n = 0;
  auto keep = [&](double t) {
    if (t > 0 && t < 1) roots[n++] = t;
  };
  if (std::fabs(a) < tol::kTiny) {
    if (b != 0) keep(-c / b);
    return n;
  }
  const double disc = b * b - 4 * a * c;
  if (disc < 0) return 0;
  const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
  keep(q / a);
  if (q != 0) keep(c / q);
  return n;
}

}  // namespace

void Box2::Add(const P2& p) {
  x0 = std::min(x0, p.x);
  y0 = std::min(y0, p.y);
  x1 = std::max(x1, p.x);
  y1 = std::max(y1, p.y);
}

void Box2::Add(const Box2& b) {
  if (b.Empty()) return;
  Add(P2{b.x0, b.y0});
  Add(P2{b.x1, b.y1});
}

double Box2::Size() const { return Empty() ? 0 : std::max(x1 - x0, y1 - y0); }

bool Box2::Meets(const Box2& o, double margin) const {
  return x0 <= o.x1 + margin && o.x0 <= x1 + margin && y0 <= o.y1 + margin && o.y0 <= y1 + margin;
}

double Box2::DistanceTo(const P2& p) const {
  const double dx = std::max({x0 - p.x, 0.0, p.x - x1});
  const double dy = std::max({y0 - p.y, 0.0, p.y - y1});
  return std::hypot(dx, dy);
}

Piece Piece::Line(const P2& a, const P2& b) {
  Piece piece;
  piece.p = {a, b, a, b};
  return piece;
}

Piece Piece::Cubic(const P2& a, const P2& b, const P2& c, const P2& d) {
  Piece piece;
  piece.kind = PieceKind::kCubic;
  piece.p = {a, b, c, d};
  return piece;
}

Piece Piece::Ellipse(const P2& centre, const P2& u, const P2& v, double start, double sweep) {
  Piece piece;
  piece.kind = PieceKind::kEllipseArc;
  piece.centre = centre;
  piece.u = u;
  piece.v = v;
  piece.start = start;
  piece.sweep = sweep;
  return piece;
}

Piece Piece::CircleArc(const P2& centre, double radius, double start, double sweep) {
  return Ellipse(centre, {radius, 0}, {0, radius}, start, sweep);
}

P2 Piece::At(double s) const {
  switch (kind) {
    case PieceKind::kLine: return PointAtParam(s, p[0], p[1]);
    case PieceKind::kEllipseArc: return EllipsePoint(*this, Angle(*this, s));
    case PieceKind::kCubic: {
      if (s == 0) return p[0];  // exact ends: they are stored points
      if (s == 1) return p[3];
      const double r = 1 - s;
      const double b0 = r * r * r, b1 = 3 * r * r * s, b2 = 3 * r * s * s, b3 = s * s * s;
      return {b0 * p[0].x + b1 * p[1].x + b2 * p[2].x + b3 * p[3].x,
              b0 * p[0].y + b1 * p[1].y + b2 * p[2].y + b3 * p[3].y};
    }
  }
  return {};
}

P2 Piece::Deriv(double s) const {
  switch (kind) {
    case PieceKind::kLine: return Sub2(p[1], p[0]);
    case PieceKind::kEllipseArc: {
      const double a = Angle(*this, s);
      return Scale(Add(Scale(u, -std::sin(a)), Scale(v, std::cos(a))), sweep);
    }
    case PieceKind::kCubic: {
      const P2 d0 = Sub2(p[1], p[0]), d1 = Sub2(p[2], p[1]), d2 = Sub2(p[3], p[2]);
      const double r = 1 - s;
      return Scale(Add(Add(Scale(d0, r * r), Scale(d1, 2 * r * s)), Scale(d2, s * s)), 3);
    }
  }
  return {};
}

double Piece::Length() const {
  if (kind == PieceKind::kLine) return Distance(p[0], p[1]);
  if (IsCircular()) return Radius() * std::fabs(sweep);
  // Gauss-Legendre, 5 points on each of 16 spans: far below drawing precision
  // for the smooth pieces the records describe.
  static constexpr double kX[5] = {0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640, 0.9061798459386640};
  static constexpr double kW[5] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665, 0.2369268850561891,
                                   0.2369268850561891};
  constexpr int kSpans = 16;
  double total = 0;
  for (int i = 0; i < kSpans; ++i) {
    const double mid = (i + 0.5) / kSpans, half = 0.5 / kSpans;
    for (int k = 0; k < 5; ++k) total += kW[k] * half * Norm(Deriv(mid + half * kX[k]));
  }
  return total;
}

Piece Piece::Sub(double s0, double s1) const {
  switch (kind) {
    case PieceKind::kLine: return Line(At(s0), At(s1));
    case PieceKind::kEllipseArc: return Ellipse(centre, u, v, start + s0 * sweep, (s1 - s0) * sweep);
    case PieceKind::kCubic: {
      if (s0 >= 1) return Cubic(p[3], p[3], p[3], p[3]);
      std::array<P2, 4> left, right, middle, rest;
      SplitCubic(p, s0, left, right);
      SplitCubic(right, (s1 - s0) / (1 - s0), middle, rest);
      if (s0 == 0) middle[0] = p[0];
      if (s1 == 1) middle[3] = p[3];
      return Cubic(middle[0], middle[1], middle[2], middle[3]);
    }
  }
  return *this;
}

Piece Piece::Transformed(const Matrix& m) const {
  Piece out = *this;
  auto point = [&m](P2 q) {
    Apply2(m, q.x, q.y);
    return q;
  };
  auto vector = [&m](const P2& d) { return P2{m[0] * d.x + m[1] * d.y, m[4] * d.x + m[5] * d.y}; };
  if (kind == PieceKind::kEllipseArc) {
    out.centre = point(centre);
    out.u = vector(u);
    out.v = vector(v);
  } else {
    for (P2& q : out.p) q = point(q);
  }
  return out;
}

Box2 Piece::Hull(double s0, double s1) const {
  Box2 box;
  switch (kind) {
    case PieceKind::kLine:
      box.Add(At(s0));
      box.Add(At(s1));
      return box;
    case PieceKind::kCubic:
      for (const P2& q : Sub(s0, s1).p) box.Add(q);
      return box;
    case PieceKind::kEllipseArc: {
      const double a0 = Angle(*this, s0), a1 = Angle(*this, s1);
      const int spans = std::max(1, static_cast<int>(std::ceil(std::fabs(a1 - a0) / kQuarterTurn)));
      for (int i = 0; i < spans; ++i) {
        const double b0 = a0 + (a1 - a0) * i / spans, b1 = a0 + (a1 - a0) * (i + 1) / spans;
        const double mid = 0.5 * (b0 + b1), half = 0.5 * (b1 - b0);
        box.Add(EllipsePoint(*this, b0));
        box.Add(EllipsePoint(*this, b1));
        // Where the tangents at both ends meet: the image of the circle's
        // control point at distance 1 / cos(half) along the middle direction.
        const double k = 1 / std::cos(half);
        box.Add(Add(centre, Scale(Add(Scale(u, std::cos(mid)), Scale(v, std::sin(mid))), k)));
      }
      return box;
    }
  }
  return box;
}

Box2 Piece::Bounds() const {
  Box2 box;
  if (kind == PieceKind::kEllipseArc && std::fabs(sweep) >= kTwoPi) {
    // A whole ellipse reaches centre ± (|(u.x, v.x)|, |(u.y, v.y)|): exact,
    // and without the trigonometry of the arc case (the fill engine asks
    // this of every hole on every scan line).
    const double half_x = std::hypot(u.x, v.x), half_y = std::hypot(u.y, v.y);
    box.Add(P2{centre.x - half_x, centre.y - half_y});
    box.Add(P2{centre.x + half_x, centre.y + half_y});
    return box;
  }
  box.Add(Start());
  box.Add(End());
  if (kind == PieceKind::kCubic) {
    for (int axis = 0; axis < 2; ++axis) {
      auto c = [&](int i) { return axis == 0 ? p[i].x : p[i].y; };
      const double a = -c(0) + 3 * c(1) - 3 * c(2) + c(3);
      const double b = 2 * (c(0) - 2 * c(1) + c(2));
      const double cc = c(1) - c(0);
      double roots[2];
      const int n = QuadraticRoots(a, b, cc, roots);
      for (int i = 0; i < n; ++i) box.Add(At(roots[i]));
    }
  } else if (kind == PieceKind::kEllipseArc && sweep != 0) {
    // x and y are extreme where their derivative in θ vanishes.
    for (double base : {std::atan2(v.x, u.x), std::atan2(v.y, u.y)}) {
      for (double theta : {base, base + kTwoPi / 2}) {
        const double travel = sweep > 0 ? NormalizeAngle(theta - start) : NormalizeAngle(start - theta);
        if (travel <= std::fabs(sweep)) box.Add(EllipsePoint(*this, theta));
      }
    }
  }
  return box;
}

bool Piece::IsCircular() const {
  if (kind != PieceKind::kEllipseArc) return false;
  const double uu = Dot(u, u), vv = Dot(v, v);
  const double size = std::max(uu, vv);
  return std::fabs(uu - vv) <= tol::kCircularRelative * size && std::fabs(Dot(u, v)) <= tol::kCircularRelative * size;
}

double Piece::Radius() const { return 0.5 * (Norm(u) + Norm(v)); }

int Piece::ChordCount(double tolerance) const {
  if (kind == PieceKind::kLine || !(tolerance > 0)) return 1;
  double n = 1;
  if (kind == PieceKind::kEllipseArc) {
    const double a = std::max(Norm(u), Norm(v));
    n = std::fabs(sweep) * std::sqrt(a / (8 * tolerance));
  } else {
    const P2 d1 = Add(Sub2(p[0], Scale(p[1], 2)), p[2]);
    const P2 d2 = Add(Sub2(p[1], Scale(p[2], 2)), p[3]);
    n = std::sqrt(0.75 * std::max(Norm(d1), Norm(d2)) / tolerance);
  }
  if (!(n < kMaxChords)) return kMaxChords;
  return std::max(1, static_cast<int>(std::ceil(n)));
}

double Piece::NearestParam(const P2& q) const {
  if (kind == PieceKind::kLine) return std::clamp(NearestParamOnLine(q, p[0], p[1]), 0.0, 1.0);
  // The best of a fine sampling, polished by Newton on (At(s) - q)·At'(s) = 0.
  const int samples = std::clamp(ChordCount(Bounds().Size() * tol::kNearestSampleRelative), 16, 4096);
  double best_s = 0, best_d = Distance(At(0), q);
  for (int i = 1; i <= samples; ++i) {
    const double s = static_cast<double>(i) / samples;
    const double d = Distance(At(s), q);
    if (d < best_d) best_d = d, best_s = s;
  }
  double s = best_s;
  for (int iteration = 0; iteration < 30; ++iteration) {
    const P2 r = Sub2(At(s), q), d1 = Deriv(s), d2 = Deriv2(*this, s);
    const double f = Dot(r, d1), df = Dot(d1, d1) + Dot(r, d2);
    if (!(df > 0)) break;
    const double next = std::clamp(s - f / df, 0.0, 1.0);
    if (std::fabs(next - s) < tol::kNewtonStep) {
      s = next;
      break;
    }
    s = next;
  }
  return Distance(At(s), q) <= best_d ? s : best_s;
}

}  // namespace vxh
