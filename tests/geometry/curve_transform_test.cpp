#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "headless/drawing/loose_record.h"
#include "headless/geometry/matrix.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "tests/geometry/curve_cases.h"

namespace {

using namespace vxtest;

struct NamedMatrix {
  const char* name;
  vxh::Matrix m;
};

std::vector<NamedMatrix> AffineMaps() {
  vxh::Matrix shear = vxh::Identity();
  shear[1] = 0.7;
  return {
      {"rotation", vxh::Compose(vxh::RotationZ(0.8), vxh::Translation(3, -2, 0))},
      {"stretch", vxh::Scaling(2, 1, 1)},
      {"shear", shear},
      {"mirror_stretch", vxh::Compose(vxh::Scaling(-1.5, 0.5, 1), vxh::RotationZ(0.3))},
  };
}

// Transforming by m then by its inverse gives every point back where it was.
TEST(ETranCurves, TransformThenInverseIsTheIdentityForEveryKind) {
  for (const NamedRecord& named : MeasurableRecords()) {
    for (const NamedMatrix& nm : AffineMaps()) {
      vx::Entity e = vxh::CopyLooseRecord(named.record.data());
      const auto inverse = vxh::Inverse(nm.m);
      ASSERT_TRUE(inverse);
      double forward[16], backward[16];
      vxh::StoreMatrix(nm.m, forward);
      vxh::StoreMatrix(*inverse, backward);
      vx::Entity there = vx::ETran(e, forward);
      if (there != e) vxh::DeleteLooseRecord(e);
      // The image's points are the images of the points (a wall stays a
      // rectangle, so only similarities carry its outline exactly).
      Record original = named.record;
      const bool exact = named.name != "wall" || vxh::IsPlaneSimilarity(nm.m);
      for (double t : {0.0, 0.4, 1.0}) {
        if (!exact) break;
        auto p = PointAt(original.data(), t);
        vxh::Apply2(nm.m, p.first, p.second);
        const double back = ParamOf(there, p);
        const auto q = PointAt(there, back);
        EXPECT_NEAR(q.first, p.first, 1e-8) << named.name << " by " << nm.name;
        EXPECT_NEAR(q.second, p.second, 1e-8) << named.name << " by " << nm.name;
      }
      vx::Entity back_again = vx::ETran(there, backward);
      if (back_again != there) vxh::DeleteLooseRecord(there);
      EXPECT_EQ(vx::GetI8(back_again, vx::kHdrKind), vx::GetI8(original.data(), vx::kHdrKind))
          << named.name << " by " << nm.name;
      for (double t : {0.0, 0.3, 0.8}) {
        const auto p = PointAt(original.data(), t);
        const auto q = PointAt(back_again, t);
        EXPECT_NEAR(q.first, p.first, 1e-8) << named.name << " by " << nm.name << " at " << t;
        EXPECT_NEAR(q.second, p.second, 1e-8) << named.name << " by " << nm.name << " at " << t;
      }
      vxh::DeleteLooseRecord(back_again);
    }
  }
}

TEST(ETranCurves, ACircleStretchedIsAnExactEllipseAndComesBackACircle) {
  Loose circle = MakeLoose(Circle(1, 2, 3));
  double stretch[16], shrink[16];
  vxh::StoreMatrix(vxh::Scaling(2, 1, 1), stretch);
  vxh::StoreMatrix(vxh::Scaling(0.5, 1, 1), shrink);
  Loose ellipse(vx::ETran(circle.get(), stretch));
  ASSERT_NE(ellipse.get(), circle.get());
  EXPECT_EQ(vx::GetF64(circle.get(), vx::kCircleR), 3);  // the original is left as it was
  EXPECT_EQ(vx::GetI8(ellipse.get(), vx::kHdrKind), vx::kKindEllipse);
  EXPECT_NEAR(vx::GetF64(ellipse.get(), vx::kEllipseX), 2, 1e-12);
  EXPECT_NEAR(vx::GetF64(ellipse.get(), vx::kEllipseMajor), 6, 1e-12);
  EXPECT_NEAR(vx::GetF64(ellipse.get(), vx::kEllipseMinor), 3, 1e-12);
  EXPECT_NEAR(std::sin(vx::GetF64(ellipse.get(), vx::kEllipseRotation)), 0, 1e-12);
  Loose round(vx::ETran(ellipse.get(), shrink));
  ASSERT_NE(round.get(), ellipse.get());
  EXPECT_EQ(vx::GetI8(round.get(), vx::kHdrKind), vx::kKindCircle);
  EXPECT_NEAR(vx::GetF64(round.get(), vx::kCircleR), 3, 1e-12);
  EXPECT_NEAR(vx::GetF64(round.get(), vx::kCircleX), 1, 1e-12);
}

TEST(ETranCurves, ARotatedEllipseStaysInItsRecord) {
  Loose e = MakeLoose(Ellipse(0, 0, 4, 1, 0.2));
  double rotate[16];
  vxh::StoreMatrix(vxh::RotationZ(0.5), rotate);
  EXPECT_EQ(vx::ETran(e.get(), rotate), e.get());
  EXPECT_NEAR(vx::GetF64(e.get(), vx::kEllipseRotation), 0.7, 1e-12);
  EXPECT_NEAR(vx::GetF64(e.get(), vx::kEllipseMajor), 4, 1e-12);
}

}  // namespace
