// Circles and arcs: points by angle, and whether an angle lies on an arc.
#pragma once

#include "headless/geometry/plane.h"

namespace vxh {

struct ArcShape {
  P2 centre;
  double radius = 0;
  double start = 0;  // radians
  double sweep = 0;  // radians, counter-clockwise when positive
};

P2 PointAtAngle(const P2& centre, double radius, double angle);

// True when the direction `angle` is met going from start through sweep.
bool AngleOnArc(double angle, const ArcShape& arc);

// The arc's parameter of the direction from its centre to p: 0 at the start,
// 1 at the end, beyond [0, 1] for directions off the arc (on the side of the
// nearer end). Values within tol::kParamSnap of 0 and 1 are snapped.
double ArcParamOf(const P2& p, const ArcShape& arc);

}  // namespace vxh
