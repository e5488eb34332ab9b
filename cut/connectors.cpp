#include "cut/connectors.h"

#include <cmath>

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/pack_constants.h"
#include "host/record.h"

namespace vx {

namespace {

Point2 Centre(Entity c) { return {GetF64(c, kCircleX), GetF64(c, kCircleY)}; }

Point2 OnCircle(const Point2& centre, double radius, double angle) {
  const double c[2] = {centre.x, centre.y};
  double out[2] = {};
  PConv2(c, radius, angle, out);
  return {out[0], out[1]};
}

std::vector<Connector> CircleConnectors(Entity b, Entity t) {
  const Point2 c1 = Centre(b), c2 = Centre(t);
  const double r1 = GetF64(b, kCircleR), r2 = GetF64(t, kCircleR);
  const double p1[2] = {c1.x, c1.y}, p2[2] = {c2.x, c2.y};
  const double d = Dist2P(p1, p2);
  // No outer tangents: one circle inside the other, or the same centre.
  if (!(d > 0) || std::fabs(r2 - r1) > d) return {};
  const double alpha = _ASIN((r2 - r1) / d);
  const double theta = Angle(p1, p2);
  std::vector<Connector> out;
  for (const double phi : {theta + alpha + kRightAngle, theta - alpha - kRightAngle})
    out.push_back({OnCircle(c1, r1, phi), OnCircle(c2, r2, phi)});
  return out;
}

Point2 Vertex(Entity p, std::size_t i) {
  const std::size_t at = kPolyVertices + i * kVertexBytes;
  return {GetF64(p, at), GetF64(p, at + 8)};
}

std::vector<Connector> PolygonConnectors(Entity b, Entity t) {
  const std::size_t count = GetU16(b, kPolyCount);
  if (count < 3 || GetU16(t, kPolyCount) != count) return {};
  const std::size_t corners = count - 1;  // the last vertex repeats the first
  std::size_t best_min = 0, best_max = 0;
  double greatest_min = 0, smallest_max = 0;
  for (std::size_t i = 0; i < corners; ++i) {
    const Point2 a = Vertex(b, i), z = Vertex(t, i);
    const double l1[2] = {a.x, a.y}, l2[2] = {z.x, z.y};
    double lo = INFINITY, hi = -INFINITY;
    for (std::size_t j = 0; j < corners; ++j) {
      if (j == i) continue;
      const Point2 v = Vertex(b, j);
      const double p[2] = {v.x, v.y};
      const double s = DistP2L(p, l1, l2);
      lo = std::fmin(lo, s);
      hi = std::fmax(hi, s);
    }
    if (i == 0 || lo > greatest_min) {
      best_min = i;
      greatest_min = lo;
    }
    if (i == 0 || hi < smallest_max) {
      best_max = i;
      smallest_max = hi;
    }
  }
  return {{Vertex(b, best_min), Vertex(t, best_min)}, {Vertex(b, best_max), Vertex(t, best_max)}};
}

}  // namespace

std::vector<Connector> ConnectorsOf(Entity b, Entity t) {
  const int kind = GetI8(b, kHdrKind);
  if (kind != GetI8(t, kHdrKind)) return {};
  if (kind == kKindCircle) return CircleConnectors(b, t);
  if (kind == kKindPolygon) return PolygonConnectors(b, t);
  return {};
}

}  // namespace vx
