#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "headless/geometry/entity_pick.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "tests/geometry/curve_cases.h"

namespace {

using namespace vxtest;

struct Pair {
  std::string name;
  Record a, b;
  int count;
};

void PrintTo(const Pair& p, std::ostream* os) { *os << p.name; }

std::vector<Pair> Pairs() {
  const Record square = Poly(vx::kKindPolygon, {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
  return {
      {"line_misses_circle", Line(-10, 5, 10, 5), Circle(0, 0, 2), 0},
      {"line_tangent_to_circle", Line(-10, 2, 10, 2), Circle(0, 0, 2), 1},
      {"line_crosses_circle", Line(-10, 1, 10, 1), Circle(0, 0, 2), 2},
      {"reversed_line_crosses_circle", Line(10, 1, -10, 1), Circle(0, 0, 2), 2},  // points from x = 10 on
      {"line_ends_inside_circle", Line(-10, 0, 0, 0), Circle(0, 0, 2), 1},
      {"circles_apart", Circle(0, 0, 1), Circle(5, 0, 1), 0},
      {"circles_touch_outside", Circle(0, 0, 2), Circle(5, 0, 3), 1},
      {"circles_touch_inside", Circle(0, 0, 5), Circle(2, 0, 3), 1},
      {"circles_cross", Circle(0, 0, 3), Circle(4, 0, 3), 2},
      {"circle_and_arc", Circle(0, 0, 3), Arc(4, 0, 3, kTestPi / 2, kTestPi), 2},
      {"circle_and_short_arc", Circle(0, 0, 3), Arc(4, 0, 3, kTestPi / 2, 0.8), 1},
      {"arc_and_polygon", Arc(5, 5, 7, 0, kTestPi), square, 4},
      {"polygon_and_line_through_corner", square, Line(-5, -5, 15, 15), 2},
      // A vertex shared by two edges is one meeting.
      {"line_through_a_triangles_apex", Line(4, -1, 4, 10), Poly(vx::kKindPolygon, {{0, 0}, {4, 4}, {8, 0}}), 2},
      {"line_and_ellipse", Line(-10, 0.5, 10, 0.5), Ellipse(0, 0, 5, 2, 0.4), 2},
      {"line_tangent_to_ellipse", Line(-10, 2, 10, 2), Ellipse(0, 0, 5, 2, 0), 1},
      {"ellipse_and_circle", Ellipse(0, 0, 5, 2, 0), Circle(0, 0, 3), 4},
      {"ellipses_cross", Ellipse(0, 0, 5, 2, 0), Ellipse(0, 0, 5, 2, kTestPi / 2), 4},
      {"spline_and_line", Curve(vx::kKindCurvePath, 1, {{0, 0}, {2, 4}, {5, 4}, {7, 0}, {9, 1}}), Line(-1, 1, 10, 1),
       3},
      {"bezier_and_circle", Bezier({{0, 0}, {0, 4}, {6, 4}, {6, 0}}), Circle(3, 1, 2.5), 2},
      {"pspline_and_polygon", Curve(vx::kKindClosedCurve, 2, {{2, 2}, {8, 2}, {5, 12}}), square, 2},
      {"wall_and_line", Wall(0, 0, 10, 0, 2), Line(5, -5, 5, 5), 2},
      {"text_box_and_line", Text(0, 0, 2.0f, 1.0f, 0.0f, "AB"), Line(-1, 1, 10, 1), 2},
      {"zero_length_line_on_line", Line(3, 0, 3, 0), Line(0, 0, 10, 0), 1},
      {"zero_length_line_off_line", Line(3, 1, 3, 1), Line(0, 0, 10, 0), 0},
      {"collinear_lines_overlap_at_their_ends", Line(0, 0, 6, 0), Line(4, 0, 10, 0), 2},
      {"identical_circles", Circle(0, 0, 2), Circle(0, 0, 2), 0},
      {"zero_radius_circle_on_line", Circle(2, 0, 0), Line(0, 0, 10, 0), 1},
  };
}

class Meetings : public ::testing::TestWithParam<Pair> {};

TEST_P(Meetings, CountIsRightAndEveryPointIsOnBothInOrderAlongTheFirst) {
  Pair pair = GetParam();
  double* points = nullptr;
  const int n = vx::FindAllInts(pair.a.data(), pair.b.data(), &points);
  ASSERT_EQ(n, pair.count);
  double last_t = -1;
  for (int i = 0; i < n; ++i) {
    const vxh::P2 p{points[3 * i], points[3 * i + 1]};
    EXPECT_EQ(points[3 * i + 2], 0);
    EXPECT_LE(*vxh::DistanceToEntity(pair.a.data(), p), 1e-7) << "point " << i;
    EXPECT_LE(*vxh::DistanceToEntity(pair.b.data(), p), 1e-7) << "point " << i;
    double t = 0;
    const double xy[2] = {p.x, p.y};
    if (vx::EGet(pair.a.data(), vx::kQueryParamOf, xy, &t) == 1) {
      EXPECT_GE(t, last_t) << "point " << i << " out of order";
      last_t = t;
    }
  }
}

TEST_P(Meetings, SwappingTheEntitiesFindsTheSamePoints) {
  Pair pair = GetParam();
  double* points = nullptr;
  const int n = vx::FindAllInts(pair.b.data(), pair.a.data(), &points);
  EXPECT_EQ(n, pair.count);
}

INSTANTIATE_TEST_SUITE_P(Pairs, Meetings, ::testing::ValuesIn(Pairs()),
                         [](const auto& info) { return info.param.name; });

TEST(FindAllInts, MissingArgumentsAreNamed) {
  Record line = Line(0, 0, 1, 1);
  try {
    vx::FindAllInts(line.data(), nullptr, nullptr);
    FAIL();
  } catch (const vxh::HostFault& fault) {
    EXPECT_NE(std::string(fault.what()).find("FindAllInts"), std::string::npos);
  }
}

}  // namespace
