#include "hatch/family_position.h"

#include <cmath>

#include "hatch/fill_limits.h"
#include "host/snap.h"

namespace vx {

namespace {

// Steps x by `step` (and the phase by `shift`) towards the far side of
// `limit` while `keep_going` holds; false when the loop makes no progress.
template <typename Condition>
bool StepWhile(double& x, double& phase, double step, double shift, Condition keep_going) {
  for (int n = 0; keep_going(x); ++n) {
    const double next = x + step;
    if (next == x || n >= fill::kMaxSettleSteps) return false;
    x = next;
    phase += shift;
  }
  return true;
}

// Moves x (and the phase along) by whole spacings to just short of min_x when
// it is many spacings away.
void JumpTowards(double& x, double& phase, double spacing, double shift, double min_x) {
  const double steps = std::floor(std::fabs(x - min_x) / spacing) - 1;
  if (!(steps > fill::kJumpSteps)) return;
  const double sign = x > min_x ? -1.0 : 1.0;
  x += sign * steps * spacing;
  phase += sign * steps * shift;
}

}  // namespace

bool PlaceFirstLine(double origin_x, double origin_y, double spacing, double shift, double min_x, FamilyStart& out) {
  if (!std::isfinite(origin_x) || !std::isfinite(origin_y) || !std::isfinite(min_x) || !std::isfinite(shift)) {
    return false;
  }
  if (!(spacing > 0) || !std::isfinite(spacing)) return false;
  double x = origin_x;
  double phase = origin_y;
  JumpTowards(x, phase, spacing, shift, min_x);
  if (!StepWhile(x, phase, -spacing, -shift, [&](double v) { return v > min_x; })) return false;
  if (!StepWhile(x, phase, spacing, shift, [&](double v) { return v < min_x; })) return false;
  if (!std::isfinite(phase)) return false;
  out = {x, phase};
  return true;
}

bool NormalisePhase(double& phase, float period) {
  const double p = period;  // the comparisons are between the float period and the double phase
  if (!(p > 0) || !std::isfinite(p) || !std::isfinite(phase)) return false;
  if (std::fabs(phase) / p > fill::kJumpSteps) phase -= std::floor(phase / p) * p;
  int n = 0;
  for (; p < phase; ++n) {
    if (phase - p == phase || n >= fill::kMaxSettleSteps) return false;
    phase -= p;
  }
  for (; phase < p; ++n) {
    if (phase + p == phase || n >= fill::kMaxSettleSteps) return false;
    phase += p;
  }
  return true;
}

bool FirstDashStart(double y1, float period, double phase, double& w) {
  const double p = period;
  const double quotient = y1 / p + 0.5;
  const bool counts_fit = quotient > -2147483649.0 && quotient < 2147483648.0;
  if (counts_fit) {
    w = SnapToMultiple(p, y1) + phase;
  } else {
    // Beyond 32-bit pattern counts: the same grid point, found directly.
    w = phase + std::floor((y1 - phase) / p) * p + p;
  }
  for (int n = 0; w > y1; ++n) {
    if (w - p == w || n >= fill::kMaxSettleSteps) return false;
    w -= p;
  }
  return std::isfinite(w);
}

}  // namespace vx
