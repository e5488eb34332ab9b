#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "headless/geometry/matrix.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "tests/support/records.h"

namespace {

using namespace vx;
using vxtest::Record;

constexpr double kPi = 3.14159265358979323846;

// The curves' round trips are the every-kind transform tests; a text has no
// points to follow, so its fields must come back.
TEST(ETran, ASimilarityThenItsInverseGivesATextBack) {
  const Record original = vxtest::Text(1, 1, 2.5f, 0.8f, 0.3f, "ABC");
  for (const vxh::Matrix& m : {vxh::Translation(3, -7, 0), vxh::Compose(vxh::RotationZ(1.1), vxh::Translation(2, 5, 0)),
                               vxh::Compose(vxh::Scaling(2.5, 2.5, 2.5), vxh::RotationZ(-0.4)),
                               vxh::Compose(vxh::Scaling(-1, 1, 1), vxh::Translation(4, 0, 0)),
                               vxh::Compose(vxh::RotationZ(0.3), vxh::Scaling(0.5, -0.5, 1))}) {
    Record r = original;
    EXPECT_EQ(ETran(r.data(), m.data()), r.data());
    ETran(r.data(), vxh::Inverse(m)->data());
    EXPECT_NEAR(GetF64(r.data(), kTextX), 1, 1e-9);
    EXPECT_NEAR(GetF64(r.data(), kTextY), 1, 1e-9);
    EXPECT_NEAR(GetF32(r.data(), kTextSpec + kSpecHeight), 2.5f, 1e-5);
    EXPECT_NEAR(GetF32(r.data(), kTextSpec + kSpecWidth), 0.8f, 1e-5);
    EXPECT_NEAR(std::remainder(GetF32(r.data(), kTextSpec + kSpecAngle) - 0.3, 2 * kPi), 0, 1e-5);
  }
}

TEST(ETran, MirrorKeepsTheArcSweepPositiveAndItsEndsOnTheImage) {
  Record arc = vxtest::Arc(0, 0, 1, 0, kPi / 2);  // from (1,0) to (0,1)
  const vxh::Matrix mirror = vxh::Scaling(-1, 1, 1);
  ETran(arc.data(), mirror.data());
  EXPECT_DOUBLE_EQ(GetF64(arc.data(), kArcSweep), kPi / 2);
  // The image runs from (0,1) to (-1,0): start 90°.
  EXPECT_NEAR(GetF64(arc.data(), kArcStart), kPi / 2, 1e-12);
}

TEST(ETran, TextHeightFollowsTheScaleAndTheAngleTheRotation) {
  Record text = vxtest::Text(1, 0, 2, 0.8f, 0, "X");
  const vxh::Matrix m = vxh::Compose(vxh::Scaling(3, 3, 3), vxh::RotationZ(kPi / 2));
  ETran(text.data(), m.data());
  EXPECT_NEAR(GetF64(text.data(), kTextX), 0, 1e-12);
  EXPECT_NEAR(GetF64(text.data(), kTextY), 3, 1e-12);
  EXPECT_FLOAT_EQ(GetF32(text.data(), kTextSpec + kSpecHeight), 6);
  EXPECT_FLOAT_EQ(GetF32(text.data(), kTextSpec + kSpecWidth), 0.8f);
  EXPECT_NEAR(GetF32(text.data(), kTextSpec + kSpecAngle), kPi / 2, 1e-6);
  EXPECT_EQ(GetU8(text.data(), kTextCacheFlag), 0);
}

TEST(ETran, ACircleThatIsNotAHostRecordCannotBecomeAnEllipse) {
  const vxh::Matrix stretch = vxh::Scaling(2, 1, 1);
  Record circle = vxtest::Circle(0, 0, 1);
  EXPECT_THROW(ETran(circle.data(), stretch.data()), vxh::HostFault);
}

struct ExtentsCase {
  const char* name;
  Record record;
  double min[2];
  double max[2];
};

TEST(EXCheck, BoxesOfSimpleKinds) {
  const std::vector<ExtentsCase> cases = {
      {"line", vxtest::Line(3, -1, -2, 4), {-2, -1}, {3, 4}},
      {"polygon", vxtest::Poly(kKindPolygon, {{0, 0}, {4, 1}, {2, 5}}), {0, 0}, {4, 5}},
      {"circle", vxtest::Circle(1, 1, 2), {-1, -1}, {3, 3}},
      {"quarter arc", vxtest::Arc(0, 0, 2, 0, kPi / 2), {0, 0}, {2, 2}},
      {"arc over the top",
       vxtest::Arc(0, 0, 2, kPi / 4, kPi / 2),
       {-std::sqrt(2.0), std::sqrt(2.0)},
       {std::sqrt(2.0), 2}},
      {"arc across zero", vxtest::Arc(0, 0, 1, 3 * kPi / 2, kPi), {0, -1}, {1, 1}},
      {"clockwise arc", vxtest::Arc(0, 0, 1, kPi / 2, -kPi / 2), {0, 0}, {1, 1}},
      {"attribute", vxtest::Attribute(-3, 7), {-3, 7}, {-3, 7}},
  };
  for (const auto& c : cases) {
    std::uint8_t box[kBoxBytes] = {};
    Record r = c.record;
    EXCheck(r.data(), box);
    ASSERT_EQ(GetU32(box, kBoxValid), 1u) << c.name;
    EXPECT_NEAR(GetF64(box, kBoxMinX), c.min[0], 1e-12) << c.name;
    EXPECT_NEAR(GetF64(box, kBoxMinY), c.min[1], 1e-12) << c.name;
    EXPECT_NEAR(GetF64(box, kBoxMaxX), c.max[0], 1e-12) << c.name;
    EXPECT_NEAR(GetF64(box, kBoxMaxY), c.max[1], 1e-12) << c.name;
  }
}

TEST(EXCheck, WidensABoxThatIsAlreadyValid) {
  std::uint8_t box[kBoxBytes] = {};
  Record a = vxtest::Line(0, 0, 1, 1);
  Record b = vxtest::Circle(10, 10, 1);
  EXCheck(a.data(), box);
  EXCheck(b.data(), box);
  EXPECT_EQ(GetF64(box, kBoxMinX), 0);
  EXPECT_EQ(GetF64(box, kBoxMaxY), 11);
}

TEST(EXCheck, ShortRecordIsAHostFaultNotACrash) {
  Record path = vxtest::Poly(kKindPath, {{0, 0}, {1, 1}});
  PutU16(path.data(), kPolyCount, 500);
  std::uint8_t box[kBoxBytes] = {};
  EXPECT_THROW(EXCheck(path.data(), box), vxh::HostFault);
}

TEST(EInfo, ClosedAndContainerFlags) {
  struct Case {
    Record record;
    int expected;
  };
  const std::vector<Case> cases = {
      {vxtest::Line(0, 0, 1, 1), kInfoPlain},
      {vxtest::Poly(kKindPath, {{0, 0}, {1, 1}}), kInfoPlain},
      {vxtest::Poly(kKindPolygon, {{0, 0}, {1, 1}, {1, 0}}), kInfoPlain | kInfoClosed},
      {vxtest::Circle(0, 0, 1), kInfoPlain | kInfoClosed},
      {vxtest::Arc(0, 0, 1, 0, 1), kInfoPlain},
      {vxtest::Blank(kKindEllipse, kEllipseSize), kInfoPlain | kInfoClosed},
      {vxtest::Blank(kKindGroup, kGroupSize), 0x10},
      {vxtest::Blank(kKindContainer, 36), 0x10},
  };
  for (const auto& c : cases) {
    Record r = c.record;
    EXPECT_EQ(EInfo(r.data(), 1), c.expected) << "kind " << int(GetI8(r.data(), kHdrKind));
  }
}

double ParamOf(Record& r, double x, double y) {
  const double p[2] = {x, y};
  double t = -99;
  EXPECT_EQ(EGet(r.data(), kQueryParamOf, p, &t), 1);
  return t;
}

std::array<double, 2> PointAt(Record& r, double t) {
  std::array<double, 2> p{};
  EXPECT_EQ(EGet(r.data(), kQueryPointAt, &t, p.data()), 1);
  return p;
}

TEST(EGet, EndsAreExact) {
  Record line = vxtest::Line(0.1, 0.7, 3.3, -9.1);
  EXPECT_EQ(ParamOf(line, 0.1, 0.7), 0.0);
  EXPECT_EQ(ParamOf(line, 3.3, -9.1), 1.0);
  const auto end = PointAt(line, 1);
  EXPECT_EQ(end[0], 3.3);
  EXPECT_EQ(end[1], -9.1);
  Record path = vxtest::Poly(kKindPath, {{0.1, 0.2}, {1.7, 0.3}, {2.9, 4.1}});
  EXPECT_EQ(ParamOf(path, 2.9, 4.1), 1.0);
  EXPECT_EQ(PointAt(path, 1)[0], 2.9);
  Record arc = vxtest::Arc(1, 1, 2, 0.3, 1.9);
  const auto a0 = PointAt(arc, 0);
  const auto a1 = PointAt(arc, 1);
  EXPECT_EQ(ParamOf(arc, a0[0], a0[1]), 0.0);
  EXPECT_EQ(ParamOf(arc, a1[0], a1[1]), 1.0);
}

TEST(EGet, NearestPointOffTheEntity) {
  Record line = vxtest::Line(0, 0, 10, 0);
  EXPECT_DOUBLE_EQ(ParamOf(line, 3, 4), 0.3);
  EXPECT_DOUBLE_EQ(ParamOf(line, 15, 4), 1.5);  // the infinite line's parameter
  Record path = vxtest::Poly(kKindPath, {{0, 0}, {10, 0}, {10, 10}});
  EXPECT_DOUBLE_EQ(ParamOf(path, 12, 5), 0.75);
  Record arc = vxtest::Arc(0, 0, 1, 0, kPi / 2);
  EXPECT_GT(ParamOf(arc, -1, 0.2), 1);  // past the end
  EXPECT_LT(ParamOf(arc, 1, -0.2), 0);  // before the start
}

TEST(EGet, KindsWithoutALengthAreRefusedAndUnknownQueriesFault) {
  Record text = vxtest::Text(0, 0, 1, 1, 0, "A");
  Record group = vxtest::Blank(kKindGroup, kGroupSize);
  double out = 0;
  EXPECT_EQ(EGet(text.data(), kQueryLength, nullptr, &out), 0);
  EXPECT_EQ(EGet(group.data(), kQueryLength, nullptr, &out), 0);
  Record short_ellipse = vxtest::Blank(kKindEllipse, kEllipseSize - 8);
  EXPECT_THROW(EGet(short_ellipse.data(), kQueryLength, nullptr, &out), vxh::HostFault);
  Record line = vxtest::Line(0, 0, 1, 0);
  EXPECT_THROW(EGet(line.data(), 7, nullptr, &out), vxh::HostFault);
}

}  // namespace
