// The hatch line positions a paint stroke sweeps, and the lookup of what is
// already painted.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "hatch/paint_positions.h"
#include "hatch/painted_segments.h"

namespace vx {
namespace {

struct Hit {
  double position;
  std::uint16_t style;
};

SmartSteps Steps(std::vector<double> steps) {
  SmartSteps s;
  for (double step : steps) {
    s.step[s.count] = step;
    s.style[s.count] = static_cast<std::uint16_t>(s.count + 1);
    ++s.count;
  }
  return s;
}

struct SweepCase {
  const char* label;
  SweptRange range;
  double distance;
  double origin;
  std::vector<double> steps;
  std::vector<Hit> expected;
};

class SweptPositions : public ::testing::TestWithParam<SweepCase> {};

TEST_P(SweptPositions, EveryGridPositionAboveTheLowerEndUpToTheUpperOne) {
  const SweepCase& c = GetParam();
  std::vector<Hit> hits;
  ForEachSweptPosition(c.range, c.distance, GridOrigin(c.origin, c.distance), Steps(c.steps),
                       [&](double p, std::uint16_t style) {
                         hits.push_back({p, style});
                       });
  ASSERT_EQ(hits.size(), c.expected.size());
  for (std::size_t i = 0; i < hits.size(); ++i) {
    EXPECT_NEAR(hits[i].position, c.expected[i].position, 1e-9) << i;
    EXPECT_EQ(hits[i].style, c.expected[i].style) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SweptPositions,
    ::testing::Values(
        // 1.0 lies at the lower end: it belonged to the sample before.
        SweepCase{"LowerEndExcludedUpperIncluded", {1, 3}, 0.5, 0, {0.5}, {{1.5, 1}, {2, 1}, {2.5, 1}, {3, 1}}},
        SweepCase{"UpperEndAlone", {0.9, 1}, 0.5, 0, {0.5}, {{1, 1}}},
        SweepCase{"NoMovementNoPosition", {1, 1}, 0.5, 0, {0.5}, {}},
        SweepCase{"LeftOfTheOrigin", {-2.2, -0.9}, 0.5, 0, {0.5}, {{-2, 1}, {-1.5, 1}, {-1, 1}}},
        SweepCase{"ShiftedByTheOrigin", {0, 1}, 0.5, 0.2, {0.5}, {{0.2, 1}, {0.7, 1}}},
        // A far offset moves the grid by whole distances only.
        SweepCase{"FarOrigin", {0, 1}, 0.5, 1e9 + 0.25, {0.5}, {{0.25, 1}, {0.75, 1}}},
        SweepCase{"FarNegativeOrigin", {0, 1}, 0.5, -1e9 - 0.25, {0.5}, {{0.25, 1}, {0.75, 1}}},
        // Scan line 2 a quarter after scan line 1, with its own style.
        SweepCase{"SecondScanLine", {0, 2}, 1, 0, {0.75, 0.25}, {{0.25, 2}, {1, 1}, {1.25, 2}, {2, 1}}},
        SweepCase{"SecondScanLineFromInsideACycle", {1.1, 2.1}, 1, 0, {0.75, 0.25}, {{1.25, 2}, {2, 1}}},
        // Guards: far more positions than a sweep takes, and a distance that
        // vanishes against the coordinates.
        SweepCase{"TooManyPositions", {0, 1e9}, 1e-3, 0, {1e-3}, {}},
        SweepCase{"DistanceVanishes", {1e20, 1e20 + 1e5}, 1, 0, {1}, {}}),
    [](const ::testing::TestParamInfo<SweepCase>& info) { return std::string(info.param.label); });

TEST(SweptBetween, EitherDirectionCutToTheBox) {
  struct Case {
    double previous, cursor;
    SweptRange expected;
  };
  for (const Case& c :
       {Case{1, 3, {1, 3}}, Case{3, 1, {1, 3}}, Case{-5, 3, {0, 3}}, Case{3, 50, {3, 10}}, Case{-5, 50, {0, 10}}}) {
    const SweptRange r = SweptBetween(c.previous, c.cursor, 0, 10);
    EXPECT_EQ(r.lo, c.expected.lo) << c.previous << " " << c.cursor;
    EXPECT_EQ(r.hi, c.expected.hi) << c.previous << " " << c.cursor;
  }
  // Both samples beyond one side of the box: an empty range.
  const SweptRange r = SweptBetween(12, 15, 0, 10);
  EXPECT_GT(r.lo, r.hi);
}

TEST(FindPainted, PositionWithinTheWindowEndsIncludedOrientationMatching) {
  const Entity a = reinterpret_cast<Entity>(0x10);
  const Entity b = reinterpret_cast<Entity>(0x20);
  const Entity c = reinterpret_cast<Entity>(0x30);
  const std::vector<PaintedSegment> painted = {
      {a, 1.0, 0, 5, PaintOrientation::kHatch},
      {b, 1.0, 5, 10, PaintOrientation::kHatch},
      {c, 1.0, 0, 10, PaintOrientation::kCross},
  };
  struct Case {
    PaintOrientation o;
    double position, along;
    std::optional<std::size_t> expected;
  };
  for (const Case& k : {Case{PaintOrientation::kHatch, 1.0, 2, 0}, Case{PaintOrientation::kHatch, 1.0, 7, 1},
                        // The shared end: the first painted wins.
                        Case{PaintOrientation::kHatch, 1.0, 5, 0}, Case{PaintOrientation::kHatch, 1.0, 0, 0},
                        Case{PaintOrientation::kHatch, 1.0, 10, 1}, Case{PaintOrientation::kHatch, 1.0, 10.5, {}},
                        Case{PaintOrientation::kHatch, 1.24, 2, 0}, Case{PaintOrientation::kHatch, 1.25, 2, {}},
                        Case{PaintOrientation::kHatch, 0.76, 2, 0}, Case{PaintOrientation::kCross, 1.0, 7, 2},
                        Case{PaintOrientation::kCross, 2.0, 7, {}}}) {
    EXPECT_EQ(FindPainted(painted, k.o, k.position, k.along, 0.25), k.expected)
        << static_cast<int>(k.o) << " " << k.position << " " << k.along;
  }
}

}  // namespace
}  // namespace vx
