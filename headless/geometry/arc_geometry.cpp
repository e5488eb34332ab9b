#include "headless/geometry/arc_geometry.h"

#include <cmath>

#include "headless/tolerances.h"

namespace vxh {

P2 PointAtAngle(const P2& centre, double radius, double angle) {
  return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

namespace {

// Angle travelled from the start towards `angle` in the arc's own direction.
double TravelFromStart(double angle, const ArcShape& arc) {
  return arc.sweep >= 0 ? NormalizeAngle(angle - arc.start) : NormalizeAngle(arc.start - angle);
}

double Snap(double t) {
  if (std::fabs(t) <= tol::kParamSnap) return 0;
  if (std::fabs(t - 1) <= tol::kParamSnap) return 1;
  return t;
}

}  // namespace

bool AngleOnArc(double angle, const ArcShape& arc) {
  const double extent = std::fabs(arc.sweep);
  return extent >= kTwoPi || TravelFromStart(angle, arc) <= extent;
}

double ArcParamOf(const P2& p, const ArcShape& arc) {
  const double extent = std::fabs(arc.sweep);
  if (extent == 0) return 0;
  const double travel = TravelFromStart(DirectionAngle(arc.centre, p), arc);
  if (travel <= extent || extent >= kTwoPi) return Snap(travel / extent);
  // Off the arc: measure to whichever end is nearer.
  const double past_end = travel - extent;
  const double before_start = kTwoPi - travel;
  return Snap(past_end <= before_start ? travel / extent : -before_start / extent);
}

}  // namespace vxh
