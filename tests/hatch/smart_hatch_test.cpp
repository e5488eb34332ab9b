// The smart hatch: only the area around the picked point is hatched.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "hatch/hatch_layout.h"
#include "headless/win/key_state.h"
#include "headless/win/windows_state.h"
#include "host/host_api.h"
#include "host/win_api.h"
#include "tests/hatch/hatch_fixture.h"
#include "tests/support/records.h"

namespace vxh::testing {
namespace {

constexpr double kVertical = 1.570796325;  // hatch lines run along y, the sweep along x
constexpr double kHorizontal = 0;          // hatch lines run along x, the sweep along y
constexpr double kDistance = 0.25;

struct Rect {
  double x0, y0, x1, y1;
  bool Holds(double x, double y, double slack = 1e-9) const {
    return x >= x0 - slack && x <= x1 + slack && y >= y0 - slack && y <= y1 + slack;
  }
  bool Inside(double x, double y) const { return x > x0 && x < x1 && y > y0 && y < y1; }
  double Area() const { return (x1 - x0) * (y1 - y0); }
};

struct AreaCase {
  const char* label;
  const char* drawing;
  const char* point;
  std::vector<Rect> within;   // every line lies in one of these
  std::vector<Rect> outside;  // and no line's middle lies inside one of these
  double area;                // lines add up to area / distance
  double sample_error;        // within this many lines
  double angle = kVertical;
};

class SmartAreaTest : public HatchSession, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(SmartAreaTest, HatchesOnlyTheAreaAroundThePoint) {
  const AreaCase& c = GetParam();
  UseSettings(LineSettings(kDistance, c.angle));
  Run(std::string(c.drawing) + ";VXHATCHSMART;all;" + c.point);
  const std::vector<Segment> lines = HatchLines();
  ASSERT_FALSE(lines.empty());
  for (const Segment& s : lines) {
    const double mx = (s.x1 + s.x2) / 2, my = (s.y1 + s.y2) / 2;
    const bool held = std::any_of(c.within.begin(), c.within.end(),
                                  [&](const Rect& r) { return r.Holds(s.x1, s.y1) && r.Holds(s.x2, s.y2); });
    EXPECT_TRUE(held) << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
    for (const Rect& r : c.outside) EXPECT_FALSE(r.Inside(mx, my)) << mx << "," << my;
    EXPECT_GT(s.Length(), kDistance / 10);
  }
  EXPECT_NEAR(TotalLength(lines), c.area / kDistance, c.sample_error * 10);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, SmartAreaTest,
    ::testing::Values(
        AreaCase{"OverlapOfTwoRectangles", "BOX;0,0;10,10;BOX;5,5;15,15", "7,7", {{5, 5, 10, 10}}, {}, 25, 1},
        AreaCase{"OverlapAtFortyFive", "BOX;0,0;10,10;BOX;5,5;15,15", "7,7", {{5, 5, 10, 10}}, {}, 25, 2, 0.7853981625},
        // Outside every boundary, the box around them bounds the area.
        AreaCase{"OutsideBoundedByTheBox",
                 "BOX;0,0;4,4;BOX;6,6;10,10",
                 "8,2",
                 {{0, 0, 10, 10}},
                 {{0, 0, 4, 4}, {6, 6, 10, 10}},
                 68,
                 2},
        AreaCase{"TheHoleOfABoxWithAHole", "BOX;0,0;10,10;BOX;3,3;7,7", "5,5", {{3, 3, 7, 7}}, {}, 16, 1},
        AreaCase{"TheRingOfABoxWithAHole", "BOX;0,0;10,10;BOX;3,3;7,7", "1,1", {{0, 0, 10, 10}}, {{3, 3, 7, 7}}, 84, 2},
        // The thin strip under the line is narrower than distance / 10.
        AreaCase{"SliversAreNeverPartOfAnArea",
                 "BOX;0,0;10,10;LINE;0,0.01;10,0.01;;",
                 "5,5",
                 {{0, 0.01, 10, 10}},
                 {},
                 99.9,
                 1}),
    [](const ::testing::TestParamInfo<AreaCase>& info) { return std::string(info.param.label); });

class SmartHatch : public HatchSession {
 protected:
  std::size_t RunAndCount(const std::string& script) {
    Run(script);
    return Entities().size();
  }
};

// A point in no area adds nothing: inside a sliver, or near only the last
// scan line (x = 10), whose segments are never tested against the point.
TEST_F(SmartHatch, APointInNoTestedAreaAddsNothing) {
  UseSettings(LineSettings(kDistance, kVertical));
  Run("BOX;0,0;10,10;LINE;0,0.01;10,0.01;;");
  for (const char* point : {"5,0.005", "9.95,5", "20,20"}) {
    Run("VXHATCHSMART;all;" + std::string(point));
    EXPECT_EQ(Entities().size(), 2u) << point;
  }
  Run("VXHATCHSMART;all;9.8,5");
  EXPECT_EQ(Entities().size(), 3u);
  // Scan lines 0.25 to 9.75: the ones lying on the left and right edges are
  // cut off from the inside by those edges.
  ExpectNear(SortedX(HatchLines()), Range(0.25, 9.75, 0.25));
}

// A connector that ends inside a circle or an ellipse meets it once and
// crosses into it: the inside and the corners of the box around the conic
// stay apart, also where a scan line passes through the conic's extreme point
// (the circles on the scan-line grid).
struct ConicCase {
  const char* label;
  double x, y, a, b, rotation;
};

class SmartConic : public HatchSession, public ::testing::WithParamInterface<ConicCase> {
 protected:
  // In the conic's unit-circle frame: inside when below 1.
  double UnitRadius(double x, double y) const {
    const ConicCase& c = GetParam();
    const double dx = x - c.x, dy = y - c.y;
    const double u = (dx * std::cos(c.rotation) + dy * std::sin(c.rotation)) / c.a;
    const double v = (-dx * std::sin(c.rotation) + dy * std::cos(c.rotation)) / c.b;
    return std::hypot(u, v);
  }
};

TEST_P(SmartConic, TheInsideIsNotTheCornersAroundIt) {
  const ConicCase& c = GetParam();
  UseSettings(LineSettings(kDistance, kVertical));
  Draw(c.a == c.b ? vxtest::Circle(c.x, c.y, c.a) : vxtest::Ellipse(c.x, c.y, c.a, c.b, c.rotation));
  // Towards the lower right corner of the extents box, outside the conic.
  const double half_x = std::hypot(c.a * std::cos(c.rotation), c.b * std::sin(c.rotation));
  const double half_y = std::hypot(c.a * std::sin(c.rotation), c.b * std::cos(c.rotation));
  for (const bool inside : {true, false}) {
    const double px = inside ? c.x : c.x + 0.85 * half_x, py = inside ? c.y : c.y - 0.85 * half_y;
    ASSERT_EQ(UnitRadius(px, py) < 1, inside);
    Run("VXHATCHSMART;all;" + std::to_string(px) + "," + std::to_string(py));
    const std::vector<Segment> lines = HatchLines();
    ASSERT_FALSE(lines.empty()) << (inside ? "inside" : "corner");
    for (const Segment& l : lines) {
      const double middle = UnitRadius((l.x1 + l.x2) / 2, (l.y1 + l.y2) / 2);
      if (inside) {
        EXPECT_LT(middle, 1) << "a line outside at x " << l.x1;
        EXPECT_LE(UnitRadius(l.x1, l.y1), 1 + 1e-9);
        EXPECT_LE(UnitRadius(l.x2, l.y2), 1 + 1e-9);
      } else {  // a scan line on the box's edge only touches the conic
        EXPECT_GT(middle, 1 - 1e-9) << "a line inside at x " << l.x1;
      }
    }
    Run("UNDO");
  }
}

INSTANTIATE_TEST_SUITE_P(Conics, SmartConic,
                         ::testing::Values(ConicCase{"CircleOnTheGrid", 0, 0, 10, 10, 0},
                                           ConicCase{"CircleOffTheGrid", 0.5, 0.3, 10, 10, 0},
                                           ConicCase{"SmallCircle", 3, 2, 1, 1, 0},
                                           ConicCase{"TurnedEllipse", 1, -2, 8, 3, 0.6}),
                         [](const ::testing::TestParamInfo<ConicCase>& info) { return std::string(info.param.label); });

// A point just inside a wall lies within half a distance of the scan line on
// the wall's far side; that segment is not the point's area.
TEST_F(SmartHatch, ASegmentBeyondAWallDoesNotClaimThePoint) {
  UseSettings(LineSettings(kDistance, kVertical));
  Run("BOX;1.1,0;10,10;BOX;0,0;12,12;VXHATCHSMART;all;1.15,5");
  const std::vector<Segment> lines = HatchLines();
  ASSERT_FALSE(lines.empty());
  for (const Segment& s : lines) EXPECT_GE(std::min(s.x1, s.x2), 1.1);
}

TEST_F(SmartHatch, EscapeHeldDuringTheSweepAddsNothing) {
  UseSettings(LineSettings(kDistance, kVertical));
  Run("BOX;0,0;10,10");
  vxh::win::SetKeyHeld(vxh::win::RunningWindows("the test"), VK_ESCAPE, true);
  EXPECT_EQ(RunAndCount("VXHATCHSMART;all;5,5"), 1u);
  vxh::win::SetKeyHeld(vxh::win::RunningWindows("the test"), VK_ESCAPE, false);
  const std::vector<std::string> t = TranscriptLines();
  EXPECT_NE(std::find(t.begin(), t.end(), "~ Hatching... (press ESC to cancel)"), t.end());
}

// Offsets that leave the first scan line no room would stand the sweep, or
// the paint loop, still: both refuse them before anything is made.
TEST_F(SmartHatch, StepsThatDoNotAdvanceAreRefused) {
  struct Bad {
    double distance, offset2;
  };
  Run("BOX;0,0;10,10");
  for (const char* command : {"VXHATCHSMART;all;5,5", "VXHATCHSCAN;all"}) {
    for (const Bad& bad : {Bad{0.25, 0.25}, Bad{0.25, 0.5}, Bad{0.25, 0}, Bad{0.25, -0.1}, Bad{0, 0}, Bad{-1, 0},
                           Bad{NAN, 0}, Bad{INFINITY, 0}}) {
      vx::HatchSettings s = LineSettings(bad.distance, kVertical);
      s.SetScaleOffsets(false);
      if (bad.distance == 0.25) {
        s.SetScanOn(1, true);
        s.SetScanOffset(1, bad.offset2);
      }
      UseSettings(s);
      EXPECT_EQ(RunAndCount(command), 1u) << command << " " << bad.distance << " " << bad.offset2;
      EXPECT_EQ(TranscriptLines().back(),
                "[Error] Error: The hatch distance must be larger than the scan line offsets together\\n\\nExiting...");
    }
  }
}

// The first scan position is a multiple of the distance; left of the origin
// the line at the first multiple inside the box is not left out.
TEST_F(SmartHatch, LeftOfTheOriginTheFirstScanLineInsideTheBoxIsKept) {
  UseSettings(LineSettings(kDistance, kVertical));
  Run("BOX;-9.575,0;-5,4;VXHATCHSMART;all;-7,2");
  ExpectNear(SortedX(HatchLines()), Range(-9.5, -5.25, 0.25));  // x = -5 lies on the right edge
}

TEST_F(SmartHatch, ASecondScanLineAddsItsShiftedLinesInTheArea) {
  vx::HatchSettings s = LineSettings(1, kVertical);
  s.SetScanOn(1, true);
  s.SetScanOffset(1, 0.25);
  UseSettings(s);
  Run("BOX;0,0;4,4;VXHATCHSMART;all;2,2");
  ExpectNear(SortedX(HatchLines()), {0.25, 1, 1.25, 2, 2.25, 3, 3.25});
}

// ---- the same lines as the regular hatch for one closed polygon -----------------------------------

std::vector<Segment> Normalised(std::vector<Segment> lines, double min_length) {
  std::vector<Segment> out;
  for (Segment s : lines) {
    if (s.Length() <= min_length) continue;
    if (std::make_pair(s.x1, s.y1) > std::make_pair(s.x2, s.y2)) {
      std::swap(s.x1, s.x2);
      std::swap(s.y1, s.y2);
    }
    out.push_back(s);
  }
  std::sort(out.begin(), out.end(), [](const Segment& a, const Segment& b) {
    return std::make_pair(a.x1 + a.y1 * 1e-3, a.y1) < std::make_pair(b.x1 + b.y1 * 1e-3, b.y1);
  });
  return out;
}

bool Same(const Segment& a, const Segment& b, double tolerance) {
  return std::fabs(a.x1 - b.x1) < tolerance && std::fabs(a.y1 - b.y1) < tolerance &&
         std::fabs(a.x2 - b.x2) < tolerance && std::fabs(a.y2 - b.y2) < tolerance;
}

using SmartEqualsRegular = HatchSession;

class StarPolygon : public SmartEqualsRegular, public ::testing::WithParamInterface<int> {};

TEST_P(StarPolygon, SmartEqualsRegularWithThePointInside) {
  const int trial = GetParam();
  std::mt19937 rng(20261207 + trial);
  std::uniform_real_distribution<double> unit(0, 1);
  const int n = 5 + static_cast<int>(unit(rng) * 10);
  std::vector<std::pair<double, double>> vertices;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * std::numbers::pi * (i + 0.3 * unit(rng)) / n;
    const double r = 5 * (0.6 + 0.4 * unit(rng));
    vertices.emplace_back(10 + r * std::cos(a), 10 + r * std::sin(a));
  }
  const double angle = trial % 4 == 0 ? kVertical : unit(rng) * 3.14159265;
  const double distance = 0.15 + 0.2 * unit(rng);
  UseSettings(LineSettings(distance, angle));
  Draw(vxtest::Poly(vx::kKindPolygon, vertices));
  Run("VXHATCHSTANDARD;all");
  // Lines shorter than distance / 10 are never part of a smart area.
  const std::vector<Segment> regular = Normalised(HatchLines(), distance / 10);
  ASSERT_FALSE(regular.empty());
  const Segment longest = *std::max_element(regular.begin(), regular.end(),
                                            [](const Segment& a, const Segment& b) { return a.Length() < b.Length(); });
  Run("UNDO");
  ASSERT_EQ(Entities().size(), 1u);
  const std::string point =
      std::to_string((longest.x1 + longest.x2) / 2) + "," + std::to_string((longest.y1 + longest.y2) / 2);
  Run("VXHATCHSMART;all;" + point);
  const std::vector<Segment> smart = Normalised(HatchLines(), 0);
  ASSERT_EQ(smart.size(), regular.size()) << "trial " << trial;
  std::vector<bool> used(smart.size(), false);
  for (const Segment& r : regular) {
    bool matched = false;
    for (std::size_t k = 0; k < smart.size() && !matched; ++k) {
      if (!used[k] && Same(r, smart[k], 1e-6)) used[k] = matched = true;
    }
    EXPECT_TRUE(matched) << "trial " << trial << ": (" << r.x1 << "," << r.y1 << ")-(" << r.x2 << "," << r.y2 << ")";
  }
}

INSTANTIATE_TEST_SUITE_P(Random, StarPolygon, ::testing::Range(0, 60));

// Scan lines across both arms meet the bottom's segments, so the arms are one area.
TEST_F(SmartEqualsRegular, AUIsJoinedThroughItsBottom) {
  UseSettings(LineSettings(kDistance, kHorizontal));
  Draw(vxtest::Poly(vx::kKindPolygon, {{0, 0}, {9, 0}, {9, 9}, {6, 9}, {6, 3}, {3, 3}, {3, 9}, {0, 9}}));
  Run("VXHATCHSMART;all;1.5,7");
  const std::vector<Segment> lines = HatchLines();
  const Rect gap{3, 3, 6, 9};
  for (const Segment& s : lines) {
    EXPECT_TRUE((Rect{0, 0, 9, 9}.Holds(s.x1, s.y1) && Rect{0, 0, 9, 9}.Holds(s.x2, s.y2)));
    EXPECT_FALSE(gap.Inside((s.x1 + s.x2) / 2, (s.y1 + s.y2) / 2));
  }
  EXPECT_NEAR(TotalLength(lines), 63 / kDistance, 20);
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                          [](const Segment& s) { return std::min(s.x1, s.x2) > 5.9 && s.y1 > 3.1; }));
}

}  // namespace
}  // namespace vxh::testing
