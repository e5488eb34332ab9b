#include "host/point_ops.h"

#include "host/host_api.h"

namespace vx {

double Distance(Point2 p, Point2 q) {
  const double a[2] = {p.x, p.y};
  const double b[2] = {q.x, q.y};
  return Dist2P(a, b);
}

double Direction(Point2 p, Point2 q) {
  const double from[2] = {p.x, p.y};
  const double to[2] = {q.x, q.y};
  return Angle(from, to);
}

Point2 PolarPoint(Point2 p, double d, double a) {
  const double from[2] = {p.x, p.y};
  double out[2] = {0, 0};
  PConv2(from, d, a, out);
  return Point2At(out);
}

void SetCursorOrigin(Point2 p) { SetCursorOrg2(p.x, p.y); }

void SetCursorOrigin(Point3 p) { SetCursorOrg3(p.x, p.y, p.z); }

}  // namespace vx
