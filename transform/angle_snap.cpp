#include "transform/angle_snap.h"

#include <cmath>

namespace vx {

double SnapAngle15(double angle) {
  return std::trunc((angle + kHalfSnapStep) / kSnapStep) * kSnapMultiplier;
}

double RelativeStep(double d) { return d >= 0 ? 1.0 + d : 1.0 / (1.0 - d); }

double VerticalStep(double dy, double view_height) {
  return RelativeStep(kVerticalScaleRate * dy / view_height);
}

double HorizontalStep(double dx, double view_width) {
  return RelativeStep(kHorizontalScaleRate * dx / view_width);
}

}  // namespace vx
