#include "headless/session/arc_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vxh {
namespace {

// Whether an angle lies within the counter-clockwise sweep from start.
bool Within(double angle, double start, double sweep) {
  double d = std::fmod(angle - start, 2 * std::numbers::pi);
  if (d < 0) d += 2 * std::numbers::pi;
  return d <= sweep + 1e-9;
}

TEST(ArcThroughPoints, TheMiddlePointLiesOnTheArcEitherWayRound) {
  const double points[][6] = {
      {1, 0, 0, 1, -1, 0},    // counter-clockwise
      {-1, 0, 0, 1, 1, 0},    // clockwise
      {3, 4, -5, 0, 0, -5},   // long way round
      {10, 1, 11, 2, 10, 3},  // small arc far from the origin
  };
  for (const auto& p : points) {
    const std::optional<ArcFit> arc = ArcThroughPoints(p[0], p[1], p[2], p[3], p[4], p[5]);
    ASSERT_TRUE(arc);
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(std::hypot(p[2 * i] - arc->cx, p[2 * i + 1] - arc->cy), arc->radius, 1e-9);
      EXPECT_TRUE(Within(std::atan2(p[2 * i + 1] - arc->cy, p[2 * i] - arc->cx), arc->start, arc->sweep))
          << "point " << i;
    }
    EXPECT_GT(arc->sweep, 0);
    EXPECT_LT(arc->sweep, 2 * std::numbers::pi);
  }
}

TEST(ArcThroughPoints, ClockwiseInputStartsAtTheEndPoint) {
  const std::optional<ArcFit> arc = ArcThroughPoints(-1, 0, 0, 1, 1, 0);
  ASSERT_TRUE(arc);
  EXPECT_NEAR(arc->start, 0, 1e-12);
  EXPECT_NEAR(arc->sweep, std::numbers::pi, 1e-12);
}

TEST(ArcThroughPoints, NoArcThroughPointsOnALineOrRepeatedPoints) {
  EXPECT_FALSE(ArcThroughPoints(0, 0, 1, 1, 2, 2));
  EXPECT_FALSE(ArcThroughPoints(0, 0, 0, 0, 2, 2));
  EXPECT_FALSE(ArcThroughPoints(0, 0, 1, 1, 0, 0));
}

}  // namespace
}  // namespace vxh
