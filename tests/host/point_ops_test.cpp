// The point wrappers against the headless host's geometry: the three of them
// must agree with each other, which catches swapped arguments and angle units.
#include <gtest/gtest.h>

#include "host/point_ops.h"

namespace vx {
namespace {

constexpr double kHalfPi = 1.570796325;  // the pack's own constant

TEST(PointOps, PolarPointGoesBackToWhereDistanceAndDirectionPoint) {
  const struct {
    Point2 from;
    Point2 to;
  } cases[] = {
      {{0, 0}, {3, 4}},
      {{2, -1}, {-5, -1}},
      {{10, 10}, {10, -2}},
      {{-3, 7}, {-4, 8}},
  };
  for (const auto& c : cases) {
    const Point2 back = PolarPoint(c.from, Distance(c.from, c.to), Direction(c.from, c.to));
    EXPECT_NEAR(back.x, c.to.x, 1e-12) << c.to.x << "," << c.to.y;
    EXPECT_NEAR(back.y, c.to.y, 1e-12) << c.to.x << "," << c.to.y;
  }
}

TEST(PointOps, DirectionRunsFromTheFirstPointToTheSecond) {
  EXPECT_NEAR(Direction({0, 0}, {0, 2}), kHalfPi, 1e-8);
  EXPECT_NEAR(PolarPoint({1, 1}, 2, kHalfPi).y, 3, 1e-12);
}

}  // namespace
}  // namespace vx
