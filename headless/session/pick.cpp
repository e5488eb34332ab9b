#include "headless/session/pick.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "headless/drawing/document.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

namespace {

using P = std::array<double, 2>;

P At(const std::uint8_t* r, std::size_t x_offset) {
  return {vx::GetF64(r, x_offset), vx::GetF64(r, x_offset + 8)};
}

std::optional<Outline> Vertices(const std::uint8_t* r, std::uint32_t size) {
  if (size < vx::PolySize(0)) return std::nullopt;
  const std::uint16_t count = vx::GetU16(r, vx::kPolyCount);
  if (count == 0 || vx::PolySize(count) > size) return std::nullopt;
  Outline o;
  for (std::uint16_t i = 0; i < count; ++i)
    o.points.push_back(At(r, vx::kPolyVertices + i * vx::kVertexBytes));
  if (vx::GetI8(r, vx::kHdrKind) == vx::kKindPolygon) o.points.push_back(o.points.front());
  return o;
}

Outline ArcOutline(P centre, double radius, double start, double sweep) {
  const int steps =
      std::max(1, static_cast<int>(std::ceil(kCircleSegments * std::fabs(sweep) / (2 * std::numbers::pi))));
  Outline o;
  for (int i = 0; i <= steps; ++i) {
    const double a = start + sweep * i / steps;
    o.points.push_back({centre[0] + radius * std::cos(a), centre[1] + radius * std::sin(a)});
  }
  return o;
}

double SegmentDistance(const P& a, const P& b, double x, double y) {
  const double dx = b[0] - a[0], dy = b[1] - a[1];
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((x - a[0]) * dx + (y - a[1]) * dy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(a[0] + t * dx - x, a[1] + t * dy - y);
}

bool Inside(const P& p, const PickBox& b) {
  return p[0] >= b.x1 && p[0] <= b.x2 && p[1] >= b.y1 && p[1] <= b.y2;
}

// Liang-Barsky: does the segment meet the box?
bool SegmentMeetsBox(const P& a, const P& b, const PickBox& box) {
  double t0 = 0, t1 = 1;
  const double d[2] = {b[0] - a[0], b[1] - a[1]};
  const double lo[2] = {box.x1, box.y1}, hi[2] = {box.x2, box.y2};
  for (int axis = 0; axis < 2; ++axis) {
    if (d[axis] == 0) {  // exact: parallel to this axis
      if (a[axis] < lo[axis] || a[axis] > hi[axis]) return false;
      continue;
    }
    double ta = (lo[axis] - a[axis]) / d[axis], tb = (hi[axis] - a[axis]) / d[axis];
    if (ta > tb) std::swap(ta, tb);
    t0 = std::max(t0, ta);
    t1 = std::min(t1, tb);
    if (t0 > t1) return false;
  }
  return true;
}

}  // namespace

std::optional<Outline> OutlineOf(const std::uint8_t* r) {
  const std::uint32_t size = vx::GetU32(r, vx::kHdrSize);
  switch (vx::GetI8(r, vx::kHdrKind)) {
    case vx::kKindPoint:
      if (size < vx::kPointSize) return std::nullopt;
      return Outline{{At(r, vx::kPointX)}};
    case vx::kKindText:
      if (size < vx::TextSize(0)) return std::nullopt;
      return Outline{{At(r, vx::kTextX)}};
    case vx::kKindLine:
      if (size < vx::kLineSize) return std::nullopt;
      return Outline{{At(r, vx::kLineX1), At(r, vx::kLineX2)}};
    case vx::kKindPath:
    case vx::kKindPolygon:
      return Vertices(r, size);
    case vx::kKindCircle:
      if (size < vx::kCircleSize) return std::nullopt;
      return ArcOutline(At(r, vx::kCircleX), vx::GetF64(r, vx::kCircleR), 0.0, 2 * std::numbers::pi);
    case vx::kKindArc:
      if (size < vx::kArcSize) return std::nullopt;
      return ArcOutline(At(r, vx::kCircleX), vx::GetF64(r, vx::kCircleR), vx::GetF64(r, vx::kArcStart),
                        vx::GetF64(r, vx::kArcSweep));
    default:
      return std::nullopt;
  }
}

double DistanceTo(const Outline& o, double x, double y) {
  if (o.points.size() == 1) return std::hypot(o.points[0][0] - x, o.points[0][1] - y);
  double best = INFINITY;
  for (std::size_t i = 0; i + 1 < o.points.size(); ++i)
    best = std::min(best, SegmentDistance(o.points[i], o.points[i + 1], x, y));
  return best;
}

bool InsideBox(const Outline& o, const PickBox& box) {
  return std::all_of(o.points.begin(), o.points.end(), [&](const P& p) { return Inside(p, box); });
}

bool TouchesBox(const Outline& o, const PickBox& box) {
  if (o.points.size() == 1) return Inside(o.points[0], box);
  for (std::size_t i = 0; i + 1 < o.points.size(); ++i)
    if (SegmentMeetsBox(o.points[i], o.points[i + 1], box)) return true;
  return false;
}

vx::Entity NearestEntity(const EntityList& list, double x, double y, double tolerance,
                         const std::function<bool(vx::Entity)>& eligible) {
  vx::Entity best = nullptr;
  double best_distance = tolerance;
  list.ForEach([&](vx::Entity e) {
    if (!eligible(e)) return;
    const std::optional<Outline> o = OutlineOf(e);
    if (!o) return;
    const double d = DistanceTo(*o, x, y);
    if (d < best_distance || (best == nullptr && d <= tolerance)) {
      best = e;
      best_distance = d;
    }
  });
  return best;
}

}  // namespace vxh
