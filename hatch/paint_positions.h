// The hatch line positions a paint stroke sweeps between two cursor samples:
// every position of the step table's grid in (lo, hi], so a fast drag that
// jumps over several hatch lines paints each of them once, and a position at
// the lower end belongs to the range of the sample before.
#pragma once

#include <cmath>
#include <cstdint>

#include "hatch/fill_limits.h"
#include "hatch/smart_steps.h"

namespace vx {

struct SweptRange {
  double lo;
  double hi;
};

// The range between the previous and the current cursor coordinate across
// the hatch lines, cut to the box's range on that axis.
inline SweptRange SweptBetween(double previous, double cursor, double box_min, double box_max) {
  const double lo = previous < cursor ? previous : cursor;
  const double hi = previous < cursor ? cursor : previous;
  return {lo > box_min ? lo : box_min, hi < box_max ? hi : box_max};
}

// An origin far from zero moves the grid by whole distances only; what is
// left of it keeps the first position near the range, however far the
// pattern offset lies.
double GridOrigin(double origin, double distance);

// Calls paint(p, style) for every position p with lo < p <= hi: the first
// scan line on the multiples of the distance shifted by `origin` (as
// GridOrigin leaves it), the further ones after it by the steps. Nothing is
// painted when the range holds more positions than a sweep ever takes, or
// when the distance vanishes against the range's coordinates (the position
// would not move).
template <class Paint>
void ForEachSweptPosition(SweptRange range, double distance, double origin, const SmartSteps& steps, Paint&& paint) {
  if (!(range.lo <= range.hi) || steps.count <= 0) return;
  if ((range.hi - range.lo) / distance > fill::kMaxScanLines) return;
  if (!(range.lo - distance < range.lo)) return;
  double start = distance * std::trunc(range.lo / distance + 0.5) + origin;
  while (start > range.lo) start -= distance;
  int k = 0;
  for (double p = start; p <= range.hi;) {
    if (p > range.lo) paint(p, steps.style[k]);
    k = (k + 1) % steps.count;
    const double next = p + steps.step[k];
    if (next == p) break;  // exact on purpose: the step vanishes against p
    p = next;
  }
}

}  // namespace vx
