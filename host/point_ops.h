// Point and angle operations that go through the host, so that every command
// measures and places points with the host's own formulas.
#pragma once

#include "host/point_types.h"

namespace vx {

// The host's distance between two points (Dist2P).
double Distance(Point2 p, Point2 q);

// The host's direction from p to q, in radians (Angle).
double Direction(Point2 p, Point2 q);

// The point at distance d from p in direction a, radians (PConv2).
Point2 PolarPoint(Point2 p, double d, double a);

// Moves the host's cursor origin, the anchor of rubber lines and boxes.
void SetCursorOrigin(Point2 p);
void SetCursorOrigin(Point3 p);

}  // namespace vx
