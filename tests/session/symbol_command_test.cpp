#include <cstring>

#include "host/host_api.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {
namespace {

// in.dxf of that scenario: CHAIR (a line from 0,0 to 4,0 and a circle of
// radius 1 about 2,2) inserted at 10,10, among other entities.
// Typed degrees become radians with the host's pi of eight decimals.
constexpr double kNear = 1e-7;

class SymbolCommand : public SessionTest {
 protected:
  void SetUp() override { session.Open(VORLIX_SOURCE_DIR "/tests/scenarios/same_as_kinds/in.dxf"); }

  std::array<double, 4> Extents(vx::Entity e) {
    std::uint8_t box[vx::kBoxBytes] = {};
    vx::EXCheck(e, box);
    return {vx::GetF64(box, vx::kBoxMinX), vx::GetF64(box, vx::kBoxMinY), vx::GetF64(box, vx::kBoxMaxX),
            vx::GetF64(box, vx::kBoxMaxY)};
  }
};

TEST_F(SymbolCommand, PlacesTheDefinitionsOriginScaledAndTurnedAtThePoint) {
  struct Case {
    const char* answers;
    std::array<double, 4> extents;
  };
  // Line and circle span x 0..4, y 0..3 in the definition.
  const Case cases[] = {
      {"30,40;<enter>;<enter>", {30, 40, 34, 43}},
      {"30,40;2;<enter>", {30, 40, 38, 46}},
      {"30,40;2;90", {24, 40, 30, 48}},
      {"0,0;-1;<enter>", {-4, -3, 0, 0}},
  };
  for (const Case& c : cases) {
    Run(std::string("SYMBOL;chair;") + c.answers);
    const vx::Entity placed = Entities().back();
    ASSERT_EQ(KindOf(placed), vx::kKindSymbol) << c.answers;
    EXPECT_STREQ(reinterpret_cast<const char*>(placed + vx::kSymName), "CHAIR");
    const std::array<double, 4> got = Extents(placed);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], c.extents[i], kNear) << c.answers << " extent " << i;
  }
}

TEST_F(SymbolCommand, IsOneUndoStepAndRefusesUnknownNamesAndAZeroScale) {
  const std::size_t count = Entities().size();
  Run("SYMBOL;Table");
  EXPECT_EQ(TranscriptLines().back(), "[Error] The drawing has no symbol named \"Table\"");
  Run("SYMBOL;CHAIR;5,5;0;1;<enter>");
  EXPECT_EQ(Entities().size(), count + 1);
  EXPECT_EQ(LinesWith("[Error] A symbol's scale must be a number other than 0"), 1);
  Run("UNDO");
  EXPECT_EQ(Entities().size(), count);
}

}  // namespace
}  // namespace vxh::testing
