#include <string>

#include "headless/screen/screen_log.h"
#include "tests/layers/layers_fixture.h"

namespace vxh::testing {
namespace {

constexpr std::uint32_t kH = vx::kLayerHidden;
constexpr std::uint32_t kF = vx::kLayerFrozen;

class LayerFilters : public LayersTest {
 protected:
  void SetUp() override {
    for (const char* name : {"Walls", "Wires", "Doors"}) Layer(name);
    SetCurrentLayer(session.Doc(), "Walls");
  }
  void Preset(const std::string& name, std::uint32_t flags) {
    SetLayerFlag(session.Doc(), name, vx::kLayerHidden, (flags & kH) != 0);
    SetLayerFlag(session.Doc(), name, vx::kLayerFrozen, (flags & kF) != 0);
  }
};

struct FilterCase {
  const char* script;
  std::uint32_t walls, wires, doors;  // before
  std::uint32_t want_walls, want_wires, want_doors;
};

TEST_F(LayerFilters, EveryMatchingLayerButTheCurrentOneChanges) {
  const FilterCase cases[] = {
      // Walls is current: the pattern matches it, yet it stays visible.
      {"VXHIDEF;W*", 0, 0, 0, 0, kH, 0},
      {"VXHIDEF;*", 0, 0, 0, 0, kH, kH},
      {"VXSHOWF;*", kH, kH, kH | kF, kH, 0, kF},
      {"VXFREEZEF;?oors", 0, 0, 0, 0, 0, kF},
      {"VXFREEZEF;wires", 0, kH, 0, 0, kH | kF, 0},
      {"VXTHAWF;*", kF, kF, kH | kF, kF, 0, kH},
      {"VXHIDEF;Nothing*", 0, 0, 0, 0, 0, 0},
      // Escape and Enter end the command with nothing changed.
      {"VXHIDEF;<esc>", 0, 0, 0, 0, 0, 0},
      {"VXHIDEF;;", 0, 0, 0, 0, 0, 0},
  };
  for (const FilterCase& c : cases) {
    Preset("Walls", c.walls);
    Preset("Wires", c.wires);
    Preset("Doors", c.doors);
    Run(c.script);
    EXPECT_EQ(Flags("Walls"), c.want_walls) << c.script;
    EXPECT_EQ(Flags("Wires"), c.want_wires) << c.script;
    EXPECT_EQ(Flags("Doors"), c.want_doors) << c.script;
    Preset("0", 0);
  }
}

TEST_F(LayerFilters, HiddenLayersLeaveTheSelectionThatScriptsMake) {
  Run("LAYER;Wires;LINE;0,0;10,0;;LAYER;Doors;LINE;0,5;10,5;;LAYER;Walls");
  const int redraws = screen::RunningScreen("the test").ScreenCounts().redraws;
  Run("VXHIDEF;D*;SELECT;all");
  EXPECT_EQ(TranscriptLines().back(), "= all (1 selected)");
  EXPECT_EQ(screen::RunningScreen("the test").ScreenCounts().redraws, redraws + 1);
}

TEST_F(LayerFilters, APatternLongerThanTheFilterIsRefusedAndTheOldOneKept) {
  Run("VXHIDEF;Wires");
  Preset("Wires", 0);
  const std::string long_pattern(128, '*');
  Run("VXHIDEF;" + long_pattern);
  EXPECT_EQ(TranscriptLines().back(), "[Error] A layer filter has at most 127 characters");
  EXPECT_EQ(Flags("Wires"), 0u);
  Run("VXHIDEF;" + std::string(127, '*'));
  EXPECT_EQ(Flags("Wires"), kH) << "127 characters fit";
}

}  // namespace
}  // namespace vxh::testing
