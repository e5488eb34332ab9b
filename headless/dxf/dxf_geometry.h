// Plain geometry for the DXF converter: points, bulge arcs and the ways a
// B-spline becomes cubic Bezier segments or a sampled chain.
#pragma once

#include <optional>
#include <vector>

namespace vxh::dxf {

struct P2 {
  double x = 0, y = 0;
};

// A hatch pattern family in drawing units: angle in radians, a base point,
// the distance between lines, the shift of the dashes from one line to the
// next (which the host's families cannot hold) and the dashes.
struct PatternLine {
  double angle = 0;
  P2 origin;
  double spacing = 0;
  double shift = 0;
  std::vector<double> dashes;
};
// A DXF pattern line: angle in degrees, the offset from one line to the next.
PatternLine PatternLineOf(double degrees, P2 origin, P2 offset, std::vector<double> dashes);

// The arc a polyline segment with a bulge describes (bulge = tan(sweep / 4),
// positive counter-clockwise). Sweep in radians, signed.
struct BulgeArc {
  P2 centre;
  double radius = 0;
  double start = 0;  // angle of the segment's first point
  double sweep = 0;
};
// Nothing when the bulge is zero or the segment has no length.
std::optional<BulgeArc> ArcOfBulge(P2 from, P2 to, double bulge);

// A non-rational B-spline: degree, knot vector (control count + degree + 1
// values, not decreasing) and control points.
struct BSpline {
  int degree = 0;
  std::vector<double> knots;
  std::vector<P2> control;
  std::vector<double> weights;  // empty or one per control point
};

// Why a spline cannot be read; empty when it is well formed.
const char* SplineProblem(const BSpline& spline);
bool IsRational(const BSpline& spline);

// Cubic Bezier control points (3n + 1, segments sharing end points) of a
// non-rational spline of degree 1 to 3, exactly: every knot span becomes one
// segment (by blossoming, which is knot insertion in closed form), lower
// degrees are raised to 3.
std::vector<P2> BezierOfSpline(const BSpline& spline);

// Points along a (possibly rational) spline, `per_span` per knot span, the
// end points included.
std::vector<P2> SampleSpline(const BSpline& spline, int per_span);

// A quadratic B-spline with clamped uniform knots is a TrueType outline: its
// control points read as on, off, ..., off, on with the implied midpoints.
bool IsClampedUniform(const BSpline& spline);

}  // namespace vxh::dxf
