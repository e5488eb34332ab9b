#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace {

using namespace vx;

constexpr double kPi = 3.14159265358979323846;

TEST(Angle, RunsFromZeroUpToButExcludingTwoPi) {
  struct Case {
    double to[2];
    double expected;
  };
  const Case cases[] = {
      {{1, 0}, 0},       {{0, 1}, kPi / 2}, {{-1, 0}, kPi}, {{0, -1}, 3 * kPi / 2},
      {{1, -1e-300}, 0},  // a direction just below +x must not give 2π
      {{0, 0}, 0},
  };
  const double origin[2] = {0, 0};
  for (const auto& c : cases) {
    const double a = Angle(origin, c.to);
    EXPECT_GE(a, 0);
    EXPECT_LT(a, 2 * kPi);
    EXPECT_NEAR(a, c.expected, 1e-15) << c.to[0] << "," << c.to[1];
  }
}

TEST(ANorm, BringsAnglesIntoTheStandardRange) {
  const double cases[][2] = {
      {-kPi / 2, 3 * kPi / 2}, {5 * kPi, kPi}, {2 * kPi, 0}, {-1e-18, 0}, {1.0, 1.0},
  };
  for (const auto& c : cases) EXPECT_NEAR(_ANorm(c[0]), c[1], 1e-12) << c[0];
}

TEST(PConv2, GivesThePointAtDistanceAndAngle) {
  const double p[2] = {1, 2};
  double out[2];
  PConv2(p, 2, kPi / 2, out);
  EXPECT_NEAR(out[0], 1, 1e-15);
  EXPECT_NEAR(out[1], 4, 1e-15);
}

TEST(ASIN, ClampsArgumentsThatRoundingPushedPastOne) {
  EXPECT_DOUBLE_EQ(_ASIN(1 + 1e-15), kPi / 2);
  EXPECT_DOUBLE_EQ(_ASIN(-1 - 1e-15), -kPi / 2);
  EXPECT_DOUBLE_EQ(_ASIN(0.5), std::asin(0.5));
}

TEST(DistP2L, IsPositiveOnTheLeftOfTheDirection) {
  const double l1[2] = {0, 0}, l2[2] = {10, 0};
  struct Case {
    double p[2];
    double expected;
  };
  const Case cases[] = {{{5, 3}, 3}, {{5, -2}, -2}, {{20, 0}, 0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(DistP2L(c.p, l1, l2), c.expected);
  // Reversing the line flips the side.
  const double p[2] = {5, 3};
  EXPECT_DOUBLE_EQ(DistP2L(p, l2, l1), -3);
  // A degenerate line measures from its point.
  EXPECT_DOUBLE_EQ(DistP2L(p, l1, l1), std::hypot(5, 3));
}

std::vector<std::array<double, 4>> RandomSegments(int count) {
  std::mt19937_64 rng(12345);
  std::uniform_real_distribution<double> coord(-1e4, 1e4);
  std::vector<std::array<double, 4>> segments;
  for (int i = 0; i < count; ++i) segments.push_back({coord(rng), coord(rng), coord(rng), coord(rng)});
  return segments;
}

TEST(P2TL2AndT2PL2, EndsAreExactBothWaysAndTheParametersRoundTrip) {
  for (const auto& s : RandomSegments(2000)) {
    const double a[2] = {s[0], s[1]}, b[2] = {s[2], s[3]};
    EXPECT_EQ(P2TL2(a, a, b), 0.0);
    EXPECT_EQ(P2TL2(b, a, b), 1.0);
    EXPECT_FALSE(std::signbit(P2TL2(a, a, b)));
    double out[2];
    T2PL2(0, a, b, out);
    EXPECT_EQ(out[0], a[0]);
    EXPECT_EQ(out[1], a[1]);
    T2PL2(1, a, b, out);
    EXPECT_EQ(out[0], b[0]);
    EXPECT_EQ(out[1], b[1]);
    T2PL2(0.25, a, b, out);
    EXPECT_NEAR(P2TL2(out, a, b), 0.25, 1e-12);
  }
}

TEST(IntL2, SegmentsSharingAVertexMeetThereBitForBit) {
  const auto segments = RandomSegments(1000);
  for (std::size_t i = 0; i + 1 < segments.size(); ++i) {
    const auto& s = segments[i];
    const auto& t = segments[i + 1];
    const double v[2] = {s[2], s[3]};
    const double a1[2] = {s[0], s[1]}, b2[2] = {t[0], t[1]};
    double out[2];
    // Every arrangement of the shared vertex among the four points.
    ASSERT_EQ(IntL2(a1, v, v, b2, out), 1);
    EXPECT_EQ(out[0], v[0]);
    EXPECT_EQ(out[1], v[1]);
    ASSERT_EQ(IntL2(v, a1, b2, v, out), 1);
    EXPECT_EQ(out[0], v[0]);
    EXPECT_EQ(out[1], v[1]);
  }
}

TEST(IntL2, CrossingsAndFailures) {
  struct Case {
    double a1[2], a2[2], b1[2], b2[2];
    int result;
    double expected[2];
  };
  const Case cases[] = {
      {{0, 0}, {10, 10}, {0, 10}, {10, 0}, 1, {5, 5}},
      {{0, 0}, {1, 0}, {5, -3}, {5, 7}, 1, {5, 0}},    // infinite lines: beyond the segments
      {{0, 0}, {10, 0}, {0, 1}, {10, 1}, 0, {0, 0}},   // parallel
      {{0, 0}, {10, 0}, {20, 0}, {30, 0}, 0, {0, 0}},  // collinear
      {{1, 1}, {1, 1}, {0, 0}, {5, 5}, 0, {0, 0}},     // degenerate
  };
  for (const auto& c : cases) {
    double out[2] = {-1, -1};
    EXPECT_EQ(IntL2(c.a1, c.a2, c.b1, c.b2, out), c.result);
    if (c.result == 1) {
      EXPECT_NEAR(out[0], c.expected[0], 1e-12);
      EXPECT_NEAR(out[1], c.expected[1], 1e-12);
    }
  }
}

TEST(IntL2, AVerticalScanLineKeepsItsXExactly) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> coord(-100, 100);
  for (int i = 0; i < 500; ++i) {
    const double x = coord(rng);
    const double s1[2] = {x, -1000}, s2[2] = {x, 1000};
    const double e1[2] = {coord(rng) - 200, coord(rng)}, e2[2] = {coord(rng) + 200, coord(rng)};
    double out[2];
    ASSERT_EQ(IntL2(s1, s2, e1, e2, out), 1);
    EXPECT_EQ(out[0], x);
  }
}

TEST(IL3XYPS, IntersectsInThePlaneAndTakesZFromTheFirstLine) {
  const double a1[3] = {0, 0, 0}, a2[3] = {10, 0, 10}, b1[3] = {4, -5, 99}, b2[3] = {4, 5, 99};
  double out[3];
  ASSERT_EQ(IL3XYPS(a1, a2, b1, b2, out), 1);
  EXPECT_DOUBLE_EQ(out[0], 4);
  EXPECT_DOUBLE_EQ(out[1], 0);
  EXPECT_DOUBLE_EQ(out[2], 4);
  const double p1[3] = {0, 1, 0}, p2[3] = {10, 1, 10};
  EXPECT_EQ(IL3XYPS(a1, a2, p1, p2, out), 0);
}

TEST(FDNSame2, ReportsPointsThatDiffer) {
  const double p[2] = {1, 1}, near[2] = {1 + 1e-12, 1}, far[2] = {1.001, 1};
  EXPECT_EQ(FDNSame2(p, p), 0);
  EXPECT_EQ(FDNSame2(p, near), 0);
  EXPECT_NE(FDNSame2(p, far), 0);
}

TEST(GXCheckP2, StartsAnEmptyBoxAndWidensIt) {
  std::uint8_t box[kBoxBytes] = {};
  const double points[][2] = {{3, 4}, {-1, 7}, {2, -2}};
  for (const auto& p : points) GXCheckP2(box, p);
  EXPECT_EQ(GetU32(box, kBoxValid), 1u);
  EXPECT_EQ(GetF64(box, kBoxMinX), -1);
  EXPECT_EQ(GetF64(box, kBoxMinY), -2);
  EXPECT_EQ(GetF64(box, kBoxMaxX), 3);
  EXPECT_EQ(GetF64(box, kBoxMaxY), 7);
  EXPECT_EQ(GetF64(box, kBoxMinZ), 0);
}

}  // namespace
