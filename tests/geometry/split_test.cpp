#include <gtest/gtest.h>

#include <cstring>

#include "headless/drawing/loose_record.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "tests/geometry/curve_cases.h"

namespace {

using namespace vxtest;

class SplitEveryKind : public ::testing::TestWithParam<NamedRecord> {};

TEST_P(SplitEveryKind, PiecesAddUpToTheWhole) {
  const Record& r = GetParam().record;
  for (double t : {0.25, 0.6}) {
    vx::Entity whole = vxh::CopyLooseRecord(r.data());
    const double length = LengthOf(whole);
    const auto at = PointAt(whole, t);
    const auto start = PointAt(whole, 0);
    vx::Entity first = nullptr, second = nullptr;
    ASSERT_EQ(vx::ESplit(whole, t, &first, &second), 1);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    const double tol = 1e-9 * length + 1e-12;
    if (first == second) {  // a closed entity opened at t
      EXPECT_NEAR(LengthOf(first), length, 1e-7 * length);
      EXPECT_NEAR(PointAt(first, 0).first, at.first, tol);
      EXPECT_NEAR(PointAt(first, 1).second, at.second, tol);
    } else {
      EXPECT_NEAR(LengthOf(first) + LengthOf(second), length, 1e-7 * length);
      EXPECT_NEAR(PointAt(first, 0).first, start.first, tol);
      EXPECT_NEAR(PointAt(first, 1).first, at.first, tol);
      EXPECT_NEAR(PointAt(first, 1).second, at.second, tol);
      EXPECT_NEAR(PointAt(second, 0).first, at.first, tol);
      EXPECT_NEAR(PointAt(second, 0).second, at.second, tol);
      vxh::DeleteLooseRecord(second);
    }
    vxh::DeleteLooseRecord(first);
  }
}

// Walls have an outline but no direction to split along.
std::vector<NamedRecord> SplittableRecords() {
  std::vector<NamedRecord> records;
  for (NamedRecord& r : MeasurableRecords()) {
    if (vx::GetI8(r.record.data(), vx::kHdrKind) != vx::kKindWall) records.push_back(std::move(r));
  }
  return records;
}

INSTANTIATE_TEST_SUITE_P(Kinds, SplitEveryKind, ::testing::ValuesIn(SplittableRecords()),
                         [](const auto& info) { return info.param.name; });

TEST(ESplit, ClosedKindsOpenIntoTheirOpenKinds) {
  const struct {
    Record record;
    int opened;
  } cases[] = {
      {Circle(0, 0, 2), vx::kKindArc},
      {Ellipse(0, 0, 3, 1, 0.2), vx::kKindEllipticalArc},
      {Poly(vx::kKindPolygon, {{0, 0}, {4, 0}, {4, 3}}), vx::kKindPath},
      {Curve(vx::kKindClosedCurve, 1, {{0, 0}, {4, 0}, {4, 3}}), vx::kKindCurvePath},
  };
  for (const auto& c : cases) {
    vx::Entity e = vxh::CopyLooseRecord(c.record.data());
    vx::Entity first = nullptr, second = nullptr;
    ASSERT_EQ(vx::ESplit(e, 0.3, &first, &second), 1);
    EXPECT_EQ(first, second);
    EXPECT_EQ(vx::GetI8(first, vx::kHdrKind), c.opened);
    vxh::DeleteLooseRecord(first);
  }
}

TEST(ESplit, AtTheEndsOnePieceIsMissingAndTheEntityIsUntouched) {
  Record line = Line(0, 0, 10, 0);
  Loose e = MakeLoose(line);
  vx::Entity first = nullptr, second = nullptr;
  ASSERT_EQ(vx::ESplit(e.get(), 0, &first, &second), 1);
  EXPECT_EQ(first, nullptr);
  EXPECT_EQ(second, e.get());
  ASSERT_EQ(vx::ESplit(e.get(), 1, &first, &second), 1);
  EXPECT_EQ(first, e.get());
  EXPECT_EQ(second, nullptr);
  EXPECT_EQ(std::memcmp(e.get(), line.data(), line.size()), 0);
}

TEST(ESplit, KindsWithoutAParameterAreNotSplit) {
  Loose wall = MakeLoose(Wall(0, 0, 5, 0, 1));
  vx::Entity first = wall.get(), second = wall.get();
  EXPECT_EQ(vx::ESplit(wall.get(), 0.5, &first, &second), 0);
  EXPECT_EQ(first, nullptr);
  EXPECT_EQ(second, nullptr);
}

TEST(ESplit, ALineSplitsExactlyAtItsPoint) {
  Loose e = MakeLoose(Line(0, 0, 10, 0));
  vx::Entity first = nullptr, second = nullptr;
  ASSERT_EQ(vx::ESplit(e.get(), 0.4, &first, &second), 1);
  EXPECT_EQ(first, e.get());  // same size: rewritten in place
  EXPECT_EQ(vx::GetF64(first, vx::kLineX2), 4);
  EXPECT_EQ(vx::GetF64(second, vx::kLineX1), 4);
  EXPECT_EQ(vx::GetF64(second, vx::kLineX2), 10);
  vxh::DeleteLooseRecord(second);
}

}  // namespace
