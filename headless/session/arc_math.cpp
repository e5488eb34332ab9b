#include "headless/session/arc_math.h"
#include "headless/tolerances.h"

#include <cmath>
#include <numbers>

namespace vxh {

namespace {

double Normalised(double angle) {
  const double turn = 2 * std::numbers::pi;
  angle = std::fmod(angle, turn);
  return angle < 0 ? angle + turn : angle;
}

}  // namespace

std::optional<ArcFit> ArcThroughPoints(double ax, double ay, double mx, double my, double bx, double by) {
  const double ux = mx - ax, uy = my - ay, vx = bx - ax, vy = by - ay;
  const double cross = ux * vy - uy * vx;
  const double scale = std::hypot(ux, uy) * std::hypot(vx, vy);
  if (scale == 0 || std::fabs(cross) <= tol::kCollinearRelative * scale) return std::nullopt;
  // Circumcentre relative to a.
  const double u2 = ux * ux + uy * uy, v2 = vx * vx + vy * vy;
  const double ox = (vy * u2 - uy * v2) / (2 * cross);
  const double oy = (ux * v2 - vx * u2) / (2 * cross);
  ArcFit arc;
  arc.cx = ax + ox;
  arc.cy = ay + oy;
  arc.radius = std::hypot(ox, oy);
  const double to_a = std::atan2(ay - arc.cy, ax - arc.cx);
  const double to_b = std::atan2(by - arc.cy, bx - arc.cx);
  const double sweep_ab = Normalised(to_b - to_a);
  // cross > 0: a, m, b turn counter-clockwise, so the arc runs a -> b that way.
  if (cross > 0) {
    arc.start = Normalised(to_a);
    arc.sweep = sweep_ab;
  } else {
    arc.start = Normalised(to_b);
    arc.sweep = 2 * std::numbers::pi - sweep_ab;
  }
  return arc;
}

}  // namespace vxh
