#include "headless/session/pick.h"

#include <algorithm>
#include <cmath>

#include "headless/drawing/document.h"
#include "headless/geometry/entity_pick.h"
#include "headless/geometry/shape_of.h"
#include "headless/host_error.h"
#include "headless/tolerances.h"

namespace vxh {

namespace {

using P = std::array<double, 2>;

double SegmentDistance(const P& a, const P& b, double x, double y) {
  const double dx = b[0] - a[0], dy = b[1] - a[1];
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((x - a[0]) * dx + (y - a[1]) * dy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(a[0] + t * dx - x, a[1] + t * dy - y);
}

bool Inside(const P& p, const PickBox& b) { return p[0] >= b.x1 && p[0] <= b.x2 && p[1] >= b.y1 && p[1] <= b.y2; }

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

bool ChainTouches(const std::vector<P>& chain, const PickBox& box) {
  if (chain.size() == 1) return Inside(chain[0], box);
  for (std::size_t i = 0; i + 1 < chain.size(); ++i)
    if (SegmentMeetsBox(chain[i], chain[i + 1], box)) return true;
  return false;
}

}  // namespace

// A record the kernel cannot read (too short for its kind) is not picked.
std::optional<Outline> OutlineOf(const std::uint8_t* r) {
  try {
    auto* entity = const_cast<std::uint8_t*>(r);
    const std::optional<Shape> shape = ShapeOf(entity, "pick");
    if (!shape) return std::nullopt;
    Outline o;
    for (const auto& chain : shape->Chains(tol::kOutlineChordRelative * shape->Bounds().Size())) {
      o.chains.emplace_back();
      for (const P2& p : chain) o.chains.back().push_back({p.x, p.y});
      // A point entity is one point, not a segment of no length.
      if (o.chains.back().size() == 2 && o.chains.back()[0] == o.chains.back()[1]) o.chains.back().pop_back();
    }
    return o;
  } catch (const HostFault&) {
    return std::nullopt;
  }
}

double DistanceTo(const Outline& o, double x, double y) {
  double best = INFINITY;
  for (const auto& chain : o.chains) {
    if (chain.size() == 1) best = std::min(best, std::hypot(chain[0][0] - x, chain[0][1] - y));
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
      best = std::min(best, SegmentDistance(chain[i], chain[i + 1], x, y));
  }
  return best;
}

bool InsideBox(const Outline& o, const PickBox& box) {
  return std::all_of(o.chains.begin(), o.chains.end(), [&](const std::vector<P>& chain) {
    return std::all_of(chain.begin(), chain.end(), [&](const P& p) { return Inside(p, box); });
  });
}

bool TouchesBox(const Outline& o, const PickBox& box) {
  return std::any_of(o.chains.begin(), o.chains.end(),
                     [&](const std::vector<P>& chain) { return ChainTouches(chain, box); });
}

vx::Entity NearestEntity(const EntityList& list, double x, double y, double tolerance,
                         const std::function<bool(vx::Entity)>& eligible) {
  vx::Entity best = nullptr;
  double best_distance = tolerance;
  list.ForEach([&](vx::Entity e) {
    if (!eligible(e)) return;
    std::optional<double> d;
    try {
      d = DistanceToEntity(e, {x, y});
    } catch (const HostFault&) {
      return;  // a record the kernel cannot read is not picked
    }
    if (!d) return;
    if (*d < best_distance || (best == nullptr && *d <= tolerance)) {
      best = e;
      best_distance = *d;
    }
  });
  return best;
}

}  // namespace vxh
