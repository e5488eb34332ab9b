#include <string>

#include "headless/screen/screen_log.h"
#include "tests/layers/layers_fixture.h"

namespace vxh::testing {
namespace {

// Walls (current) at y = 0, Wires at y = 5 (two lines), Doors at y = 10.
class LayerPick : public LayersTest {
 protected:
  void SetUp() override {
    walls_ = Layer("Walls");
    wires_ = Layer("Wires");
    doors_ = Layer("Doors");
    SetCurrentLayer(session.Doc(), "Walls");
    Add(LineOn(walls_, 0, 0, 10, 0));
    Add(LineOn(wires_, 0, 5, 10, 5));
    Add(LineOn(wires_, 20, 5, 30, 5));
    Add(LineOn(doors_, 0, 10, 10, 10));
  }
  int walls_ = 0, wires_ = 0, doors_ = 0;
};

TEST_F(LayerPick, TheCurrentLayerIsNeverHiddenAndIsNamed) {
  const int marks = screen::RunningScreen("the test").ScreenCounts().marks;
  Run("VXLAYERS;5,0;<esc>");
  EXPECT_EQ(Flags("Walls"), 0u);
  EXPECT_EQ(LastLines(3)[0], "[Message] Can't hide current layer: Walls");
  EXPECT_EQ(screen::RunningScreen("the test").ScreenCounts().marks, marks + 1) << "its one entity shown marked";
}

TEST_F(LayerPick, CtrlOnlyShowsTheLayerNameAndMarksItsEntities) {
  const int marks = screen::RunningScreen("the test").ScreenCounts().marks;
  Run("VXLAYERS;<hold ctrl>;5,5;<release all>;<esc>");
  EXPECT_EQ(Flags("Wires"), 0u);
  EXPECT_EQ(LastLines(3)[0], "[Message] Layer: Wires");
  EXPECT_EQ(screen::RunningScreen("the test").ScreenCounts().marks, marks + 2);
}

TEST_F(LayerPick, ShiftMakesTheLayerCurrentWithoutHidingIt) {
  Run("VXLAYERS;<hold shift>;5,10;<release all>;<esc>");
  EXPECT_EQ(CurrentLayerName(), "Doors");
  EXPECT_EQ(Flags("Doors"), 0u);
}

TEST_F(LayerPick, TabThenEscapeLeavesEveryHiddenBitAndAnotherKeyFlipsBack) {
  Run("VXLAYERS;5,5;<esc>");
  const std::vector<std::uint32_t> before = AllFlags();
  Run("VXLAYERS;<key TAB>;<esc>");
  EXPECT_EQ(AllFlags(), before);
  EXPECT_EQ(Flags("Wires"), vx::kLayerHidden);
  // Another command key in the flipped view flips back and asks again.
  Run("VXLAYERS;<key TAB>;<key LEFT>;5,10;<esc>");
  EXPECT_EQ(Flags("Wires"), vx::kLayerHidden) << "flipped back";
  EXPECT_EQ(Flags("Doors"), vx::kLayerHidden) << "picked in the hide view";
  EXPECT_EQ(Flags("Walls"), 0u);
  EXPECT_EQ(Flags("0"), 0u);
}

TEST_F(LayerPick, AGroupPickUsesTheLayerOfItsMemberUnderTheCursor) {
  // The group itself sits on Walls, the current layer.
  AddContainer(Work(), HeaderOnly(vx::kKindGroup, walls_),
               {LineOn(wires_, 40, 0, 50, 0), LineOn(doors_, 40, 20, 50, 20)});
  Run("VXLAYERS;45,20;<esc>");
  EXPECT_EQ(Flags("Doors"), vx::kLayerHidden);
  EXPECT_EQ(Flags("Wires"), 0u);
  for (const std::string& line : TranscriptLines()) EXPECT_EQ(line.find("Can't hide"), std::string::npos);
}

TEST_F(LayerPick, APickOfNothingEndsTheCommand) {
  Run("VXLAYERS;70,70");
  EXPECT_EQ(LastLines(1)[0], "= 70,70 (nothing there)");
  Run("LINE;0,0;1,1;;");  // a new command: VXLAYERS is over
  for (const char* name : {"Walls", "Wires", "Doors"}) EXPECT_EQ(Flags(name), 0u);
}

}  // namespace
}  // namespace vxh::testing
