#include <gtest/gtest.h>

#include <cmath>

#include "headless/geometry/entity_pick.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "tests/geometry/curve_cases.h"

namespace {

using namespace vxtest;

class EveryKind : public ::testing::TestWithParam<NamedRecord> {};

TEST_P(EveryKind, PointAtAndParameterOfAreInverse) {
  Record r = GetParam().record;
  const double length = LengthOf(r.data());
  ASSERT_GT(length, 0);
  for (double t : {0.0, 0.13, 0.5, 0.77, 1.0}) {
    const auto p = PointAt(r.data(), t);
    const double back = ParamOf(r.data(), p);
    const auto q = PointAt(r.data(), back);
    EXPECT_NEAR(q.first, p.first, 1e-9 * length) << "t = " << t;
    EXPECT_NEAR(q.second, p.second, 1e-9 * length) << "t = " << t;
  }
}

TEST_P(EveryKind, LengthIsTheLimitOfChords) {
  Record r = GetParam().record;
  double chords = 0;
  auto last = PointAt(r.data(), 0);
  constexpr int kSteps = 20000;
  for (int i = 1; i <= kSteps; ++i) {
    const auto p = PointAt(r.data(), static_cast<double>(i) / kSteps);
    chords += std::hypot(p.first - last.first, p.second - last.second);
    last = p;
  }
  // Sampling cuts the corners of paths by a little; curves agree far closer.
  EXPECT_NEAR(LengthOf(r.data()), chords, 1e-4 * chords);
}

TEST_P(EveryKind, ExtentsHoldEveryPointAndTouchTheExtremes) {
  Record r = GetParam().record;
  std::uint8_t box[vx::kBoxBytes] = {};
  vx::EXCheck(r.data(), box);
  ASSERT_NE(vx::GetU32(box, vx::kBoxValid), 0u);
  double lo[2] = {1e300, 1e300}, hi[2] = {-1e300, -1e300};
  for (int i = 0; i <= 4000; ++i) {
    const auto p = PointAt(r.data(), i / 4000.0);
    lo[0] = std::min(lo[0], p.first), lo[1] = std::min(lo[1], p.second);
    hi[0] = std::max(hi[0], p.first), hi[1] = std::max(hi[1], p.second);
  }
  const double slack = 1e-9, close = 1e-3 * (hi[0] - lo[0] + hi[1] - lo[1]);
  EXPECT_LE(vx::GetF64(box, vx::kBoxMinX), lo[0] + slack);
  EXPECT_LE(vx::GetF64(box, vx::kBoxMinY), lo[1] + slack);
  EXPECT_GE(vx::GetF64(box, vx::kBoxMaxX), hi[0] - slack);
  EXPECT_GE(vx::GetF64(box, vx::kBoxMaxY), hi[1] - slack);
  EXPECT_NEAR(vx::GetF64(box, vx::kBoxMinX), lo[0], close);
  EXPECT_NEAR(vx::GetF64(box, vx::kBoxMaxY), hi[1], close);
}

TEST_P(EveryKind, PointsOnTheEntityAreHitAndPointsAwayAreNot) {
  Record r = GetParam().record;
  const auto p = PointAt(r.data(), 0.3);
  EXPECT_TRUE(vxh::WithinPick(r.data(), {p.first + 0.01, p.second}, 0.02));
  EXPECT_FALSE(vxh::WithinPick(r.data(), {p.first + 100, p.second + 100}, 0.5));
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryKind, ::testing::ValuesIn(MeasurableRecords()),
                         [](const auto& info) { return info.param.name; });

TEST(CurveParam, QuadraticSplineFollowsTrueTypeRules) {
  // Off-curve points (2,4) and (6,4): the implied on-curve point is (4,4).
  Record r = Curve(vx::kKindCurvePath, 1, {{0, 0}, {2, 4}, {6, 4}, {8, 0}});
  const auto mid = PointAt(r.data(), 0.5);
  EXPECT_NEAR(mid.first, 4, 1e-12);
  EXPECT_NEAR(mid.second, 4, 1e-12);
  const auto end = PointAt(r.data(), 1);
  EXPECT_EQ(end, std::make_pair(8.0, 0.0));
}

TEST(CurveParam, InterpolatingSplinePassesThroughItsPoints) {
  Record r = Curve(vx::kKindCurvePath, 2, {{0, 0}, {2, 3}, {5, -1}, {8, 2}});
  const double expected[4][2] = {{0, 0}, {2, 3}, {5, -1}, {8, 2}};
  for (int i = 0; i < 4; ++i) {
    const auto p = PointAt(r.data(), i / 3.0);
    EXPECT_NEAR(p.first, expected[i][0], 1e-12);
    EXPECT_NEAR(p.second, expected[i][1], 1e-12);
  }
}

TEST(CurveParam, BadRecordsGiveClearErrors) {
  Record short_curve = Curve(vx::kKindCurvePath, 3, {{0, 0}, {1, 1}, {2, 0}, {3, 1}});
  vx::PutU16(short_curve.data(), vx::kCurveCount, 40);
  EXPECT_THROW(LengthOf(short_curve.data()), vxh::HostFault);
  Record bad_bezier = Bezier({{0, 0}, {1, 1}, {2, 0}});
  EXPECT_THROW(LengthOf(bad_bezier.data()), vxh::HostFault);
  Record bad_type = Curve(vx::kKindCurvePath, 9, {{0, 0}, {1, 1}});
  EXPECT_THROW(LengthOf(bad_type.data()), vxh::HostFault);
}

}  // namespace
