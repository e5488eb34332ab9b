#include <cmath>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "host/point_in_polygon.h"
#include "host/record.h"

namespace vx {
namespace {

// The kind-specific part of a polygon record: u16 count, then x, y doubles.
std::vector<std::uint8_t> PolygonData(const std::vector<Point2>& vertices) {
  std::vector<std::uint8_t> data(2 + 16 * vertices.size(), 0);
  PutU16(data.data(), 0, static_cast<std::uint16_t>(vertices.size()));
  std::size_t at = 2;
  for (const Point2& v : vertices) {
    PutF64(data.data(), at, v.x);
    PutF64(data.data(), at + 8, v.y);
    at += 16;
  }
  return data;
}

struct InsideCase {
  const char* what;
  std::vector<std::uint8_t> polygon;
  Point2 point;
  bool inside;
};

const std::vector<std::uint8_t> kSquare = PolygonData({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
const std::vector<std::uint8_t> kDiamond = PolygonData({{0, 5}, {5, 0}, {10, 5}, {5, 10}});
// A U open at the top: the notch spans x 3 to 7 down to y 3.
const std::vector<std::uint8_t> kU =
    PolygonData({{0, 0}, {10, 0}, {10, 10}, {7, 10}, {7, 3}, {3, 3}, {3, 10}, {0, 10}});

TEST(PointInPolygon, InsideOutsideThroughVerticesAndOnEdges) {
  const InsideCase cases[] = {
      {"square centre", kSquare, {5, 5}, true},
      {"right of square", kSquare, {15, 5}, false},
      {"below square", kSquare, {5, -1}, false},
      {"above square", kSquare, {5, 11}, false},
      {"U arm", kU, {1, 5}, true},
      {"U notch", kU, {5, 5}, false},
      {"U base under notch", kU, {5, 1}, true},
      {"clockwise square", PolygonData({{0, 0}, {0, 10}, {10, 10}, {10, 0}}), {5, 5}, true},
      {"no vertices", PolygonData(std::vector<Point2>{}), {0, 0}, false},
      // A ray through a vertex counts once.
      {"diamond centre, ray through top vertex", kDiamond, {5, 5}, true},
      {"below diamond, ray through both vertices", kDiamond, {5, -5}, false},
      {"leftmost vertex touches the ray", PolygonData({{5, 10}, {15, 5}, {15, 15}}), {5, 0}, false},
      {"rightmost vertex touches the ray", PolygonData({{5, 10}, {-5, 5}, {-5, 15}}), {5, 0}, false},
      {"U inner corner above", kU, {3, 1}, true},
      // A point on an edge is not crossed by that edge, so the box's bottom
      // and left sides belong to it and its top and right sides do not.
      {"bottom side", kSquare, {5, 0}, true},
      {"left side", kSquare, {0, 5}, true},
      {"top side", kSquare, {5, 10}, false},
      {"right side", kSquare, {10, 5}, false},
      {"U notch floor", kU, {5, 3}, false},
  };
  for (const InsideCase& c : cases) EXPECT_EQ(PointInPolygon(c.polygon.data(), c.point), c.inside) << c.what;
}

TEST(PointInPolygon, RepeatedClosingVertexChangesNothing) {
  const auto box = PolygonData({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
  for (const Point2 p : {Point2{5, 5}, Point2{5, 0}, Point2{0, 5}, Point2{10, 5}, Point2{12, 5}}) {
    EXPECT_EQ(PointInPolygon(box.data(), p), PointInPolygon(kSquare.data(), p)) << p.x << "," << p.y;
  }
}

// Independent check: for a simple polygon the crossing parity agrees with the
// winding number, away from edges.
double WindingNumber(const std::vector<Point2>& polygon, Point2 p) {
  double turned = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Point2 a = polygon[i];
    const Point2 b = polygon[(i + 1) % polygon.size()];
    turned += std::atan2((a.x - p.x) * (b.y - p.y) - (a.y - p.y) * (b.x - p.x),
                         (a.x - p.x) * (b.x - p.x) + (a.y - p.y) * (b.y - p.y));
  }
  return turned / (2 * 3.141592653589793);
}

TEST(PointInPolygon, AgreesWithWindingNumberOnAStar) {
  std::vector<Point2> star;
  for (int k = 0; k < 10; ++k) {
    const double r = k % 2 == 0 ? 10 : 4;
    const double a = k * 3.141592653589793 / 5;
    star.push_back({r * std::cos(a), r * std::sin(a)});
  }
  const std::vector<std::uint8_t> data = PolygonData(star);
  int inside_count = 0;
  for (double x = -11.03; x < 11; x += 0.37) {
    for (double y = -11.01; y < 11; y += 0.41) {
      const bool expected = std::lround(WindingNumber(star, {x, y})) != 0;
      EXPECT_EQ(PointInPolygon(data.data(), {x, y}), expected) << x << "," << y;
      inside_count += expected;
    }
  }
  EXPECT_GT(inside_count, 100);
}

}  // namespace
}  // namespace vx
