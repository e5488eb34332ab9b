#include <string>

#include "headless/kvd/kvd_file.h"
#include "headless/screen/screen_log.h"
#include "tests/layers/layers_fixture.h"

namespace vxh::testing {
namespace {

// Four lines at heights 0, 5, 10, 15, in that order.
class DrawOrder : public LayersTest {
 protected:
  void SetUp() override { Run("LINE;0,0;10,0;;LINE;0,5;10,5;;LINE;0,10;10,10;;LINE;0,15;10,15;;"); }
};

struct OrderCase {
  const char* script;
  std::vector<double> order;
};

TEST_F(DrawOrder, SelectedEntitiesMoveToTheEndOrTheStartKeepingTheirOrder) {
  const OrderCase cases[] = {
      {"VXFRONT;at 5,5 + at 5,15", {0, 10, 5, 15}},
      {"VXBACK;at 5,5 + at 5,15", {5, 15, 0, 10}},
      {"VXFRONT;at 5,15", {0, 5, 10, 15}},
      {"VXFRONT;at 5,0 + at 5,5", {10, 15, 0, 5}},
      {"VXBACK;at 5,10", {10, 0, 5, 15}},
      // The first entity selected with a later one: both keep their order.
      {"VXBACK;at 5,0 + at 5,10", {0, 10, 5, 15}},
      {"VXBACK;all", {0, 5, 10, 15}},
      {"VXFRONT;all", {0, 5, 10, 15}},
      {"VXFRONT;at 50,50", {0, 5, 10, 15}},
  };
  for (const OrderCase& c : cases) {
    const std::vector<std::uint8_t> before = EncodeKvd(session.Doc(), true);
    Run(c.script);
    EXPECT_EQ(Heights(Entities()), c.order) << c.script;
    for (vx::Entity e : Entities()) EXPECT_FALSE(session.Doc().Work().State(e).selected) << c.script;
    Run("UNDO");
    EXPECT_EQ(EncodeKvd(session.Doc(), true), before) << c.script << ": one undo step";
  }
}

TEST_F(DrawOrder, CancellingTheSelectionChangesNothing) {
  for (const char* script : {"VXFRONT;<esc>", "VXBACK;<esc>"}) {
    const std::vector<std::uint8_t> before = EncodeKvd(session.Doc(), true);
    Run(script);
    EXPECT_EQ(EncodeKvd(session.Doc(), true), before) << script;
  }
}

TEST_F(DrawOrder, AnEmptySelectionStillRedraws) {
  for (const char* script : {"VXFRONT;at 50,50", "VXBACK;at 50,50"}) {
    const int redraws = screen::RunningScreen("the test").ScreenCounts().redraws;
    Run(script);
    EXPECT_EQ(screen::RunningScreen("the test").ScreenCounts().redraws, redraws + 1) << script;
  }
}

Record Container(std::uint32_t flags) {
  Record r = HeaderOnly(vx::kKindContainer);
  r.resize(vx::kContainerFlags + 4);
  vx::PutU32(r.data(), vx::kHdrSize, static_cast<std::uint32_t>(r.size()));
  vx::PutU32(r.data(), vx::kContainerFlags, flags);
  return r;
}

TEST_F(DrawOrder, AContainerMovesToTheFrontButNotToTheBack) {
  const vx::Entity box = AddContainer(Work(), Container(vx::kContainerOrdered), {LineOn(0, 0, 30, 10, 30)});
  Work()->PlaceAfter(box, Entities().at(1));  // heights 0, 5, container, 10, 15
  session.Doc().Work().SetSelected(box, true);
  Run("VXBACK;at 5,30");
  EXPECT_EQ(Entities().at(2), box) << "left where it is";
  EXPECT_TRUE(session.Doc().Work().State(box).selected) << "not moved, so still selected";
  Run("VXFRONT;at 5,30");
  EXPECT_EQ(Entities().back(), box);
  EXPECT_FALSE(session.Doc().Work().State(box).selected);
}

}  // namespace
}  // namespace vxh::testing
