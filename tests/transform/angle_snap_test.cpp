#include "transform/angle_snap.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vx {
namespace {

constexpr double kDegree = 3.14159265 / 180.0;

struct SnapCase {
  const char* name;
  double degrees;
  int steps;  // multiples of 15 degrees expected
};

TEST(AngleSnap, SnapsToMultiplesOfTheSinglePrecisionStep) {
  const SnapCase cases[] = {{"BelowHalfAStepGoesDown", 7.4, 0},
                            {"AboveHalfAStepGoesUp", 7.6, 1},
                            {"SmallNegativeTruncatesToZero", -10.0, 0},
                            {"MinusTwentyTruncatesToZero", -20.0, 0},
                            {"MinusTwentyFiveTruncatesTowardZero", -25.0, -1},
                            {"NearlyAFullTurn", 359.0, 24},
                            {"Exact45", 45.0, 3}};
  for (const SnapCase& c : cases) {
    SCOPED_TRACE(c.name);
    const double snapped = SnapAngle15(c.degrees * kDegree);
    // Deliberately exact: the multiplier is pi/12 in single precision.
    EXPECT_EQ(snapped, c.steps * static_cast<double>(0.2617994f));
    // Regression: small negative angles snapped to -0.0, which prints as "-0".
    EXPECT_EQ(std::signbit(snapped), c.steps < 0);
  }
}

// A sixth of the view's height up doubles, as does 1/4.2 of its width
// across; any step there and back cancels.
TEST(RelativeScaling, ASixthOfTheViewDoublesAndStepsThereAndBackCancel) {
  EXPECT_DOUBLE_EQ(VerticalStep(20.0, 120.0), 2.0);
  EXPECT_DOUBLE_EQ(HorizontalStep(10.0, 42.0), 2.0);
  EXPECT_DOUBLE_EQ(HorizontalStep(-10.0, 42.0), 0.5);
  for (double d : {0.0, 0.01, 0.5, 3.0, 100.0}) {
    EXPECT_DOUBLE_EQ(RelativeStep(d) * RelativeStep(-d), 1.0) << d;
    EXPECT_DOUBLE_EQ(VerticalStep(d, 120.0) * VerticalStep(-d, 120.0), 1.0) << d;
    EXPECT_GE(RelativeStep(d), 1.0) << d;
  }
}

}  // namespace
}  // namespace vx
