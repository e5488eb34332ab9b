#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "headless/geometry/piece.h"

namespace {

using vxh::Box2;
using vxh::P2;
using vxh::Piece;

constexpr double kPi = 3.14159265358979323846;

struct BoundsCase {
  std::string name;
  Piece piece;
};

void PrintTo(const BoundsCase& c, std::ostream* os) { *os << c.name; }

// The box every sample of the piece lies in, from 20,000 points along it.
Box2 SampledBox(const Piece& piece) {
  Box2 box;
  constexpr int kSamples = 20000;
  for (int i = 0; i <= kSamples; ++i) box.Add(piece.At(static_cast<double>(i) / kSamples));
  return box;
}

class PieceBounds : public testing::TestWithParam<BoundsCase> {};

// The box must hold every point of the piece and be no larger than the
// piece reaches: each side within the sampling's chord error of a sample.
TEST_P(PieceBounds, HoldsEveryPointAndIsTight) {
  const Piece& piece = GetParam().piece;
  const Box2 bounds = piece.Bounds();
  const Box2 sampled = SampledBox(piece);
  const double slack = 1e-9 * std::max(1.0, bounds.Size());
  EXPECT_LE(bounds.x0, sampled.x0 + slack);
  EXPECT_LE(bounds.y0, sampled.y0 + slack);
  EXPECT_GE(bounds.x1, sampled.x1 - slack);
  EXPECT_GE(bounds.y1, sampled.y1 - slack);
  const double chord = 1e-6 * std::max(1.0, bounds.Size());
  EXPECT_NEAR(bounds.x0, sampled.x0, chord);
  EXPECT_NEAR(bounds.y0, sampled.y0, chord);
  EXPECT_NEAR(bounds.x1, sampled.x1, chord);
  EXPECT_NEAR(bounds.y1, sampled.y1, chord);
}

INSTANTIATE_TEST_SUITE_P(
    Ellipses, PieceBounds,
    testing::Values(BoundsCase{"whole_circle", Piece::CircleArc({3, -2}, 5, 0, 2 * kPi)},
                    BoundsCase{"whole_circle_clockwise_from_odd_start", Piece::CircleArc({0, 0}, 1, 0.7, -2 * kPi)},
                    BoundsCase{"whole_rotated_ellipse", Piece::Ellipse({1, 1}, {4 * std::cos(0.5), 4 * std::sin(0.5)},
                                                                       {-std::sin(0.5), std::cos(0.5)}, 0, 2 * kPi)},
                    BoundsCase{"whole_sheared_ellipse", Piece::Ellipse({0, 0}, {3, 1}, {1, 2}, 1.2, 2 * kPi)},
                    BoundsCase{"more_than_a_turn", Piece::CircleArc({0, 0}, 2, 0.3, 3 * kPi)},
                    BoundsCase{"quarter_arc_inside_one_quadrant", Piece::CircleArc({0, 0}, 2, 0.2, 1.0)},
                    BoundsCase{"arc_over_the_top", Piece::CircleArc({0, 0}, 2, 1.0, 1.5)},
                    BoundsCase{"clockwise_arc_over_the_right", Piece::CircleArc({5, 5}, 1, 0.5, -1.2)},
                    BoundsCase{"rotated_elliptic_arc", Piece::Ellipse({0, 0}, {3, 3}, {-1, 1}, -0.4, 2.5)},
                    BoundsCase{"cubic_with_bulge", Piece::Cubic({0, 0}, {1, 3}, {3, -2}, {4, 0})}),
    [](const testing::TestParamInfo<BoundsCase>& info) { return info.param.name; });

}  // namespace
