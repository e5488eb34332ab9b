#include "transform/angle_snap.h"

#include "host/int_truncation.h"

namespace vx {

double SnapAngle15(double angle) {
  // Through a 32-bit integer, as the pack counts steps: no step is +0.0,
  // never the -0.0 that truncating a small negative quotient as a double gives.
  return TruncateToInt32((angle + kHalfSnapStep) / kSnapStep) * kSnapMultiplier;
}

double RelativeStep(double d) { return d >= 0 ? 1.0 + d : 1.0 / (1.0 - d); }

double VerticalStep(double dy, double view_height) { return RelativeStep(kVerticalScaleRate * dy / view_height); }

double HorizontalStep(double dx, double view_width) { return RelativeStep(kHorizontalScaleRate * dx / view_width); }

}  // namespace vx
