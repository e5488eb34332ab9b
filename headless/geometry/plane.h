// Plane geometry on plain values: the arithmetic behind the host's geometry
// operations, kept free of records and pointers so it is tested directly.
#pragma once

#include <optional>

namespace vxh {

struct P2 {
  double x = 0;
  double y = 0;
};

inline bool operator==(const P2& a, const P2& b) { return a.x == b.x && a.y == b.y; }

inline constexpr double kTwoPi = 6.283185307179586476925286766559;

double Distance(const P2& p, const P2& q);

// Angles are in [0, 2π): CAD users read directions as 0° to 360°
// counter-clockwise from +x. Coincident points give 0.
double NormalizeAngle(double angle);
double DirectionAngle(const P2& from, const P2& to);

P2 PolarPoint(const P2& p, double distance, double angle);

// The parameter of p along the line a -> b (0 at a, 1 at b), read from the
// coordinate in which the segment is longer, so the end points give exactly
// 0 and 1. A degenerate segment gives 0.
double ParamOnLine(const P2& p, const P2& a, const P2& b);

// The parameter of the point of the infinite line a -> b nearest to p. For a
// point on the line (within tol::kOnLineRelative) it is ParamOnLine exactly.
double NearestParamOnLine(const P2& p, const P2& a, const P2& b);

// The point at parameter t; exactly a at 0 and exactly b at 1.
P2 PointAtParam(double t, const P2& a, const P2& b);

// The crossing of the infinite lines a1 -> a2 and b1 -> b2; none when they are
// parallel or one is degenerate. A vertex that both lines share is returned
// bit for bit, and a coordinate of an axis-parallel line is kept exactly.
// The parameter along a is stored in *t_on_a when given.
std::optional<P2> IntersectLines(const P2& a1, const P2& a2, const P2& b1, const P2& b2, double* t_on_a = nullptr);

// Signed distance of p from the line l1 -> l2, positive on its left. For a
// degenerate line, the (positive) distance from l1.
double SignedDistance(const P2& p, const P2& l1, const P2& l2);

}  // namespace vxh
