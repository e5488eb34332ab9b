// `at x,y` and the pick request reach every kind the kernel draws: texts by
// their box, curves and ellipses by their outline, symbols through their
// placement.
#include <cstring>

#include "tests/session/session_fixture.h"
#include "tests/support/records.h"

namespace vxh::testing {
namespace {

struct PickCase {
  const char* name;
  vxtest::Record (*make)();
  double x, y;  // a point on (or in) the entity, far from its origin
};

vxtest::Record SymbolAt(double dx, double dy) {
  vxtest::Record r = vxtest::Blank(vx::kKindSymbol, vx::SymbolSize(1));
  const double m[12] = {1, 0, 0, dx, 0, 1, 0, dy, 0, 0, 1, 0};
  for (int i = 0; i < 12; ++i) vx::PutF64(r.data(), vx::kSymMatrix + 8 * i, m[i]);
  r[vx::kSymName] = 'S';
  return r;
}

const PickCase kCases[] = {
    {"TextInsideItsBox", [] { return vxtest::Text(10, 10, 5, 1, 0, "WIDE TEXT"); }, 20, 12},
    {"EllipseOnItsOutline", [] { return vxtest::Ellipse(10, 10, 8, 3, 0); }, 10, 13},
    {"SplineThroughItsPoints",
     [] {
       return vxtest::Curve(vx::kKindCurvePath, vx::kCurvePSpline, {{0, 0}, {10, 10}, {20, 0}});
     },
     10, 10},
    {"WallOnItsSide", [] { return vxtest::Wall(0, 10, 20, 10, 4); }, 10, 12},
    {"BezierOnItsCurve",
     [] {
       return vxtest::Bezier({{0, 0}, {0, 10}, {20, 10}, {20, 0}});
     },
     10, 7.5},
};

class PickKinds : public SessionTest, public ::testing::WithParamInterface<PickCase> {
 protected:
  void SetUp() override { Run("<view 0,0 100,100 1000 1000>"); }
};

TEST_P(PickKinds, AtSelectsTheEntityByWhatTheKernelDraws) {
  const vx::Entity e = session.Doc().WorkDL()->AddRecord(GetParam().make().data());
  Run("SELECT;\"at " + std::to_string(GetParam().x) + "," + std::to_string(GetParam().y) + "\"");
  EXPECT_TRUE(session.Doc().Work().State(e).selected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PickKinds, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

using Pick = SessionTest;

TEST_F(Pick, AtReachesASymbolThroughItsPlacementNotItsDefinition) {
  Run("<view 0,0 100,100 1000 1000>");
  vx::DList* work = session.Doc().WorkDL();
  const vx::Entity symbol = work->AddRecord(SymbolAt(50, 50).data());
  work->MakeMemberList(symbol)->AddRecord(vxtest::Line(0, 0, 10, 0).data());
  Run("SELECT;\"at 5,0\"");
  EXPECT_FALSE(session.Doc().Work().State(symbol).selected) << "where the definition lies";
  Run("SELECT;\"at 55,50\"");
  EXPECT_TRUE(session.Doc().Work().State(symbol).selected) << "where the instance is drawn";
}

}  // namespace
}  // namespace vxh::testing
