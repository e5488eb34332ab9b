// A group carrying a fill style fills the region its loops enclose together,
// as a hatch of several boundary loops is read from DXF: the ring between an
// outer and an inner loop is hatched, the island stays clear.
#include <gtest/gtest.h>

#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/render/render_fixture.h"

namespace rendertest {
namespace {

Record Square(double x0, double y0, double x1, double y1) {
  return vxtest::Poly(vx::kKindPolygon, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}});
}

using FilledGroup = RenderTest;

TEST_F(FilledGroup, TheRingBetweenItsLoopsIsHatchedAndTheIslandIsClear) {
  // Fill style 4 of a new drawing: horizontal lines 0.5 apart through 0,0.
  Record group = vxtest::Blank(vx::kKindGroup, vx::kGroupSize);
  vx::PutU16(group.data(), vx::kHdrFillStyle, 4);
  vx::DList* loops = doc_.WorkDL()->MakeMemberList(Add(group));
  Add(loops, Square(0, 0, 10, 10));
  Add(loops, Square(3, 3, 7, 7));
  Add(Square(-5, -5, 15, 15));
  const auto report = Render("ring.png");
  const Picture p(PathOf("ring.png"));
  const auto& f = report.frame;
  ASSERT_GT(0.5 * f.scale, 12) << "the test needs the lines well apart";
  struct Spot {
    double x, y;
    bool inked;
  };
  const Spot spots[] = {
      {1.5, 5.0, true},   {8.5, 5.0, true},   {5.0, 1.5, true},  {5.0, 8.5, true},  // the ring
      {5.0, 4.5, false},  {5.0, 5.5, false},  {4.0, 6.0, false},                    // the island
      {-2.5, 2.0, false}, {12.5, 7.0, false},                                       // outside
  };
  for (const Spot& s : spots) {
    SCOPED_TRACE(::testing::Message() << s.x << "," << s.y);
    const int ink = p.InkNear(Px(f, s.x), Py(f, s.y), 1);
    if (s.inked)
      EXPECT_GT(ink, 100);
    else
      EXPECT_EQ(ink, 0);
  }
}

}  // namespace
}  // namespace rendertest
