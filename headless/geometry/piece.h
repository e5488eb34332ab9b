// The simple pieces every entity is made of: straight segments, elliptical
// arcs (a circle is the special case with equal, perpendicular semi-axes) and
// cubic Bézier segments. Each piece runs over a local parameter s in [0, 1].
// Affine maps carry every piece to a piece of the same sort, which is why
// elliptical arcs are stored as the image of the unit circle.
#pragma once

#include <array>
#include <limits>

#include "headless/geometry/matrix.h"
#include "headless/geometry/plane.h"

namespace vxh {

struct Box2 {
  double x0 = std::numeric_limits<double>::infinity();
  double y0 = std::numeric_limits<double>::infinity();
  double x1 = -std::numeric_limits<double>::infinity();
  double y1 = -std::numeric_limits<double>::infinity();

  void Add(const P2& p);
  void Add(const Box2& b);
  bool Empty() const { return x0 > x1; }
  double Size() const;  // the larger side; 0 for an empty box
  bool Meets(const Box2& other, double margin) const;
  double DistanceTo(const P2& p) const;  // 0 inside
};

enum class PieceKind { kLine, kEllipseArc, kCubic };

struct Piece {
  PieceKind kind = PieceKind::kLine;
  // Line: p[0] -> p[1]. Cubic: the four control points.
  std::array<P2, 4> p{};
  // Elliptical arc: centre + u·cos θ + v·sin θ, θ from start over sweep.
  P2 centre, u, v;
  double start = 0, sweep = 0;

  static Piece Line(const P2& a, const P2& b);
  static Piece Cubic(const P2& a, const P2& b, const P2& c, const P2& d);
  static Piece Ellipse(const P2& centre, const P2& u, const P2& v, double start, double sweep);
  static Piece CircleArc(const P2& centre, double radius, double start, double sweep);

  P2 At(double s) const;
  P2 Deriv(double s) const;  // d/ds
  P2 Start() const { return At(0); }
  P2 End() const { return At(1); }
  double Length() const;
  // The part from s0 to s1 as a piece of the same sort.
  Piece Sub(double s0, double s1) const;
  Piece Transformed(const Matrix& m) const;
  // A box that holds the part from s0 to s1 (for arcs: s1 - s0 at most a
  // quarter turn of the parametric angle gives the tight control triangle).
  Box2 Hull(double s0, double s1) const;
  Box2 Bounds() const;  // tight box of the whole piece
  // A circle's arc: semi-axes perpendicular and of equal length.
  bool IsCircular() const;
  double Radius() const;  // for circular arcs
  // Chord count that keeps the chord deviation below `tolerance`.
  int ChordCount(double tolerance) const;
  // Local parameter of the point of the piece nearest to p, in [0, 1].
  double NearestParam(const P2& p) const;
};

}  // namespace vxh
