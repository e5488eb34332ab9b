// The numbers behind the drags' modifier keys: the 15-degree snap and the
// relative mouse scaling. Pure arithmetic, with the pack's own constants.
#pragma once

namespace vx {

// pi/24 and pi/12 with pi = 3.14159265, and pi/12 as a single-precision value:
// the snap rounds with one and multiplies back with the other, exactly so.
inline constexpr double kHalfSnapStep = 0.13089969375;
inline constexpr double kSnapStep = 0.2617993875;
inline constexpr double kSnapMultiplier = static_cast<double>(0.2617994f);

// The nearest multiple of 15 degrees for angles from 0 up; the quotient is
// truncated toward zero, so small negative angles go to 0.
double SnapAngle15(double angle);

// The factor a movement d makes: 1 + d moving up or right, 1 / (1 - d) the
// other way, so equal movements there and back cancel.
double RelativeStep(double d);

// A sixth of the view's height up doubles the factor.
inline constexpr double kVerticalScaleRate = 6.0;
// Horizontal movement is measured against the width, a little less steeply.
inline constexpr double kHorizontalScaleRate = 4.2;

double VerticalStep(double dy, double view_height);
double HorizontalStep(double dx, double view_width);

}  // namespace vx
