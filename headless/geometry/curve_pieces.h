// The pieces of curve paths (26), closed curves (27) and Bézier curves (45)
// from their stored points.
//   type 0  straight segments (a closed curve adds the closing edge);
//   type 1  quadratic B-spline read as TrueType outlines are: open curves
//           start and end on the curve and every point between is off the
//           curve, two off-curve points in a row implying an on-curve point
//           midway; a closed curve has every point off the curve;
//   type 2  uniform Catmull-Rom spline through every point (affine maps carry
//           it exactly, so transforming the points transforms the curve);
//           open ends take the tangent of the first and last segment;
//   type 3  cubic Bézier segments sharing end points: 3n + 1 points for an
//           open curve; a closed curve has 3n points and wraps back to the
//           first, or 3n + 1 and closes with a straight edge when needed.
// Every segment comes out as one piece (quadratics raised to cubics exactly).
#pragma once

#include <cstdint>
#include <vector>

#include "headless/geometry/piece.h"

namespace vxh {

// HostFault naming `operation` for an unknown type or a Bézier point count
// that does not make whole segments.
std::vector<Piece> CurvePieces(int type, const std::vector<P2>& points, bool closed, const char* operation);

}  // namespace vxh
