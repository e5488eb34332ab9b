#include "headless/dxf/dxf_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vxh::dxf {
namespace {

P2 CubicAt(const std::vector<P2>& b, std::size_t segment, double t) {
  const P2* p = &b[3 * segment];
  const double s = 1 - t;
  const double w[4] = {s * s * s, 3 * s * s * t, 3 * s * t * t, t * t * t};
  P2 out;
  for (int i = 0; i < 4; ++i) out.x += w[i] * p[i].x, out.y += w[i] * p[i].y;
  return out;
}

// Bulge 1 is a half circle counter-clockwise; a negative bulge turns
// clockwise with the centre on the right (tan(22.5°): a quarter circle).
TEST(ArcOfBulgeTest, TheBulgeGivesTheSweepAndTheSideOfTheCentre) {
  const struct {
    double bulge, centre_y, radius, start, sweep;
  } cases[] = {{1.0, 0, 1, std::numbers::pi, std::numbers::pi},
               {-0.4142135623730951, -1, std::sqrt(2.0), 3 * std::numbers::pi / 4, -std::numbers::pi / 2}};
  for (const auto& c : cases) {
    const auto arc = ArcOfBulge({0, 0}, {2, 0}, c.bulge);
    ASSERT_TRUE(arc) << c.bulge;
    EXPECT_NEAR(arc->centre.x, 1, 1e-12) << c.bulge;
    EXPECT_NEAR(arc->centre.y, c.centre_y, 1e-12) << c.bulge;
    EXPECT_NEAR(arc->radius, c.radius, 1e-12) << c.bulge;
    EXPECT_NEAR(std::cos(arc->start), std::cos(c.start), 1e-12) << c.bulge;
    EXPECT_NEAR(std::sin(arc->start), std::sin(c.start), 1e-12) << c.bulge;
    EXPECT_NEAR(arc->sweep, c.sweep, 1e-12) << c.bulge;
  }
}

TEST(ArcOfBulgeTest, ZeroBulgeOrZeroChordIsNoArc) {
  EXPECT_FALSE(ArcOfBulge({0, 0}, {1, 0}, 0));
  EXPECT_FALSE(ArcOfBulge({1, 1}, {1, 1}, 0.5));
}

BSpline UniformCubic() {
  BSpline s;
  s.degree = 3;
  s.control = {{0, 0}, {1, 2}, {3, 2}, {4, 0}, {6, -1}, {7, 3}};
  s.knots = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};  // unclamped: the curve runs over [3, 6]
  return s;
}

TEST(BezierOfSplineTest, SegmentsTraceTheSplineExactly) {
  const BSpline s = UniformCubic();
  ASSERT_STREQ(SplineProblem(s), "");
  const std::vector<P2> bezier = BezierOfSpline(s);
  ASSERT_EQ(bezier.size(), 10u);  // three spans
  const std::vector<P2> samples = SampleSpline(s, 8);
  for (std::size_t seg = 0; seg < 3; ++seg) {
    for (int i = 0; i <= 8; ++i) {
      const P2 b = CubicAt(bezier, seg, i / 8.0);
      const P2 ref = samples[seg * 8 + static_cast<std::size_t>(i)];
      EXPECT_NEAR(b.x, ref.x, 1e-12);
      EXPECT_NEAR(b.y, ref.y, 1e-12);
    }
  }
}

TEST(BezierOfSplineTest, ClampedSplineStartsAndEndsOnItsEndControlPoints) {
  BSpline s;
  s.degree = 2;
  s.control = {{0, 0}, {2, 4}, {4, 0}, {6, 4}};
  s.knots = {0, 0, 0, 1, 3, 3, 3};
  const std::vector<P2> bezier = BezierOfSpline(s);
  ASSERT_EQ(bezier.size(), 7u);
  EXPECT_EQ(bezier.front().x, 0);
  EXPECT_EQ(bezier.back().x, 6);
  EXPECT_EQ(bezier.back().y, 4);
}

TEST(BezierOfSplineTest, LineIsRaisedToThirds) {
  BSpline s;
  s.degree = 1;
  s.control = {{0, 0}, {3, 6}};
  s.knots = {0, 0, 1, 1};
  const std::vector<P2> b = BezierOfSpline(s);
  ASSERT_EQ(b.size(), 4u);
  EXPECT_NEAR(b[1].x, 1, 1e-12);
  EXPECT_NEAR(b[2].y, 4, 1e-12);
}

TEST(SampleSplineTest, RationalQuarterCircleStaysOnTheCircle) {
  BSpline s;
  s.degree = 2;
  s.control = {{1, 0}, {1, 1}, {0, 1}};
  s.weights = {1, std::sqrt(0.5), 1};
  s.knots = {0, 0, 0, 1, 1, 1};
  EXPECT_TRUE(IsRational(s));
  for (const P2& p : SampleSpline(s, 10)) EXPECT_NEAR(std::hypot(p.x, p.y), 1, 1e-12);
}

TEST(SplineProblemTest, BrokenSplinesAreNamed) {
  const std::pair<const char*, BSpline> cases[] = {
      {"degree zero", {0, {0, 1}, {{0, 0}}, {}}},
      {"too few knots", {2, {0, 0, 1}, {{0, 0}, {1, 1}, {2, 0}}, {}}},
      {"decreasing knots", {1, {0, 2, 1, 3}, {{0, 0}, {1, 1}}, {}}},
      {"empty range", {1, {0, 0, 0, 0}, {{0, 0}, {1, 1}}, {}}},
      {"negative weight", {1, {0, 0, 1, 1}, {{0, 0}, {1, 1}}, {1, -1}}},
      {"knot not a number", {1, {0, 0, NAN, 1}, {{0, 0}, {1, 1}}, {}}},
  };
  for (const auto& [name, spline] : cases) EXPECT_STRNE(SplineProblem(spline), "") << name;
}

TEST(IsClampedUniformTest, TellsTrueTypeLikeKnotsFromOthers) {
  BSpline s;
  s.degree = 2;
  s.control = {{0, 0}, {1, 1}, {2, 0}, {3, 1}};
  s.knots = {0, 0, 0, 1, 2, 2, 2};
  EXPECT_TRUE(IsClampedUniform(s));
  s.knots = {0, 0, 0, 0.3, 2, 2, 2};
  EXPECT_FALSE(IsClampedUniform(s));
  s.knots = {0, 1, 2, 3, 4, 5, 6};
  EXPECT_FALSE(IsClampedUniform(s));
}

}  // namespace
}  // namespace vxh::dxf
