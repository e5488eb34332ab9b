#include <cmath>
#include <cstring>
#include <numbers>

#include "headless/drawing/settings_tables.h"
#include "headless/host_error.h"
#include "host/settings_layout.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {
namespace {

using HostCommands = SessionTest;

TEST_F(HostCommands, RelativePointsStartAtThePreviousPoint) {
  Run("line;1,1;@3,4;<esc>");
  ASSERT_EQ(Entities().size(), 1u);
  EXPECT_EQ(X(Entities()[0], vx::kLineX2), 4);
  EXPECT_EQ(X(Entities()[0], vx::kLineY2), 5);
  EXPECT_FALSE(session.Doc().Work().State(Entities()[0]).selected) << "drawing leaves no selection";
}

TEST_F(HostCommands, OneCommandRunIsOneUndoStepAndRedoBringsItBack) {
  Run("LINE;0,0;1,0;;LINE;5,5;6,6;7,7;;");
  ASSERT_EQ(Entities().size(), 3u);
  Run("UNDO");
  EXPECT_EQ(Entities().size(), 1u);
  Run("UNDO");
  EXPECT_EQ(Entities().size(), 0u);
  Run("REDO;REDO");
  EXPECT_EQ(Entities().size(), 3u);
  Run("REDO");
  EXPECT_EQ(TranscriptLines().back(), "[Message] Nothing to redo");
}

struct PolyCase {
  const char* script;
  int kind;  // 0: nothing added
  std::uint16_t vertices;
};

// Readable test names: the case, not its bytes.
void PrintTo(const PolyCase& c, std::ostream* os) { *os << c.script; }

class PolyCommands : public SessionTest, public ::testing::WithParamInterface<PolyCase> {};

TEST_P(PolyCommands, VerticesAndKind) {
  Run(GetParam().script);
  if (GetParam().kind == 0) {
    EXPECT_TRUE(Entities().empty());
    return;
  }
  ASSERT_EQ(Entities().size(), 1u);
  const vx::Entity e = Entities()[0];
  EXPECT_EQ(KindOf(e), GetParam().kind);
  EXPECT_EQ(vx::GetU16(e, vx::kPolyCount), GetParam().vertices);
  EXPECT_EQ(SizeOf(e), vx::PolySize(GetParam().vertices));
}

INSTANTIATE_TEST_SUITE_P(Script, PolyCommands,
                         ::testing::Values(PolyCase{"PATH;0,0;1,0;;", vx::kKindPath, 2}, PolyCase{"PATH;0,0;;", 0, 0},
                                           PolyCase{"POLY;0,0;4,0;4,3;;", vx::kKindPolygon, 4},
                                           PolyCase{"POLY;0,0;4,0;;", 0, 0}, PolyCase{"POLY;0,0;4,0;4,3;<esc>", 0, 0},
                                           PolyCase{"BOX;0,0;4,3", vx::kKindPolygon, 5}, PolyCase{"BOX;0,0;4,0", 0, 0},
                                           PolyCase{"RPOLY;6;0,0;2,0", vx::kKindPolygon, 7},
                                           PolyCase{"RPOLY;;0,0;;", vx::kKindPolygon, 5}));

TEST_F(HostCommands, RegularPolygonCornersLieOnTheCircleThroughTheGivenCorner) {
  Run("RPOLY;5;10,10;@0,3");
  const vx::Entity e = Entities().at(0);
  for (int i = 0; i < 5; ++i) {
    const double x = X(e, vx::kPolyVertices + i * vx::kVertexBytes);
    const double y = X(e, vx::kPolyVertices + i * vx::kVertexBytes + 8);
    EXPECT_NEAR(std::hypot(x - 10, y - 10), 3, 1e-12);
  }
  EXPECT_NEAR(X(e, vx::kPolyVertices), 10, 1e-12);
  EXPECT_NEAR(X(e, vx::kPolyVertices + 8), 13, 1e-12);
}

TEST_F(HostCommands, RegularPolygonAsksAgainForAnImpossibleSideCount) {
  Run("RPOLY;2;7;0,0;1,0");
  EXPECT_EQ(vx::GetU16(Entities().at(0), vx::kPolyCount), 8);
  EXPECT_NE(transcript.str().find("[Error] A regular polygon has 3 to 1024 sides"), std::string::npos);
}

TEST_F(HostCommands, ArcThroughThreePointsHasTheMiddlePointOnIt) {
  Run("ARCB;1,0;0,1;-1,0");
  const vx::Entity e = Entities().at(0);
  EXPECT_EQ(KindOf(e), vx::kKindArc);
  EXPECT_EQ(SizeOf(e), vx::kArcSize);
  EXPECT_NEAR(X(e, vx::kCircleR), 1, 1e-12);
  EXPECT_NEAR(X(e, vx::kArcStart), 0, 1e-12);
  EXPECT_NEAR(X(e, vx::kArcSweep), std::numbers::pi, 1e-12);
  Run("ARCB;0,0;1,1;2,2");
  EXPECT_EQ(Entities().size(), 1u);
  EXPECT_EQ(TranscriptLines().back(), "[Error] The three points of an arc must not lie on one line");
}

TEST_F(HostCommands, TextTakesTheTextDefaultsAndGrowsWithItsText) {
  Run("TEXT;1,2;\"Hello; world\"");
  const vx::Entity e = Entities().at(0);
  EXPECT_EQ(KindOf(e), vx::kKindText);
  EXPECT_EQ(SizeOf(e), vx::TextSize(12));
  EXPECT_EQ(X(e, vx::kTextX), 1);
  EXPECT_EQ(X(e, vx::kTextY), 2);
  EXPECT_STREQ(reinterpret_cast<const char*>(e + vx::kTextString), "Hello; world");
  const std::uint8_t* defaults = CurrentRecord(session.Doc().Tables(), vx::kTableTextDefaults);
  ASSERT_NE(defaults, nullptr);
  EXPECT_EQ(std::memcmp(e + vx::kTextSpec, defaults + vx::kTextDefaultsSpec, vx::kTextSpecBytes), 0);
}

TEST_F(HostCommands, PointsUntilEnter) {
  Run("POINT;1,2;3,4;;");
  ASSERT_EQ(Entities().size(), 2u);
  EXPECT_EQ(KindOf(Entities()[1]), vx::kKindPoint);
  EXPECT_EQ(X(Entities()[1], vx::kPointY), 4);
}

TEST_F(HostCommands, LayerIsMadeAndBecomesCurrentForNewEntities) {
  Run("LAYER;Walls;LINE;0,0;1,1;;");
  const int id = FindLayer(session.Doc(), "Walls");
  ASSERT_GE(id, 0);
  EXPECT_EQ(vx::GetU16(Entities().at(0), vx::kHdrLayer), id);
}

TEST_F(HostCommands, SelectionTermsMarkWhatTheyName) {
  Run("LINE;0,0;10,0;;CIRP;50,50;@5,0;LAYER;Other;LINE;20,20;30,30;;");
  const auto selected = [&] {
    std::string marks;
    for (vx::Entity e : Entities()) marks += session.Doc().Work().State(e).selected ? '1' : '0';
    return marks;
  };
  Run("SELECT;window -1,-1 11,1");
  EXPECT_EQ(selected(), "100");
  Run("SELECT;crossing 25,0 26,60");
  EXPECT_EQ(selected(), "001");
  Run("SELECT;at 55.2,50");
  EXPECT_EQ(selected(), "010");
  Run("SELECT;last+layer 0");
  EXPECT_EQ(selected(), "111");
  Run("SELECT;all");
  EXPECT_EQ(selected(), "111");
  EXPECT_EQ(TranscriptLines().back(), "= all (3 selected)");
  EXPECT_NE(ErrorOf<BadInput>("SELECT;layer Nowhere"), "");
}

TEST_F(HostCommands, SaveAndOpenRoundTripTheDrawing) {
  const std::string path = ::testing::TempDir() + "session_roundtrip.kvd";
  Run("LINE;0,0;1,1;;SAVE;\"" + path + "\";UNDO");
  EXPECT_TRUE(Entities().empty());
  Run("OPEN;\"" + path + "\"");
  ASSERT_EQ(Entities().size(), 1u);
  EXPECT_EQ(X(Entities()[0], vx::kLineX2), 1);
}

}  // namespace
}  // namespace vxh::testing
