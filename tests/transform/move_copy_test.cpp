#include <cmath>
#include <cstring>

#include "headless/drawing/document.h"
#include "headless/kvd/kvd_file.h"
#include "tests/transform/transform_fixture.h"

namespace vxh::testing {
namespace {

using MoveCopy = TransformTest;

std::vector<std::uint8_t> Record(vx::Entity e) { return {e, e + SizeOf(e)}; }

TEST_F(MoveCopy, MoveCarriesTheFromPointToTheGivenPoint) {
  Run("LINE;1,2;11,2;;");
  const std::vector<std::uint8_t> before = Record(Entities().at(0));
  Run("VXMOVE;all;1,2;<move 3,3>;6,8");
  ASSERT_EQ(Entities().size(), 1u);
  const vx::Entity e = Entities()[0];
  std::vector<std::uint8_t> expected = before;
  vx::PutF64(expected.data(), vx::kLineX1, 6);
  vx::PutF64(expected.data(), vx::kLineY1, 8);
  vx::PutF64(expected.data(), vx::kLineX2, 16);
  vx::PutF64(expected.data(), vx::kLineY2, 8);
  EXPECT_EQ(Record(e), expected);
}

TEST_F(MoveCopy, MoveIsOneUndoStepThatRestoresTheDrawingByteForByte) {
  Run("LINE;0,0;10,0;;CIRP;5,5;@2,0;");
  const std::vector<std::uint8_t> before = EncodeKvd(session.Doc(), true);
  Run("VXMOVE;all;0,0;<move 4,4>;<hold shift>;<move 4,14>;4,4;<release all>");
  EXPECT_NE(EncodeKvd(session.Doc(), true), before);
  Run("UNDO");
  EXPECT_EQ(EncodeKvd(session.Doc(), true), before);
  EXPECT_EQ(Entities().size(), 2u);
  Run("REDO");
  EXPECT_EQ(Entities().size(), 2u);
}

TEST_F(MoveCopy, MoveWithShiftCommitsTheSnappedRotationAboutThePlacedPoint) {
  // From B = (20,0) the cursor at 31 degrees snaps to 30.
  Run("LINE;0,0;10,0;;VXMOVE;all;0,0;<move 20,0>;<hold shift>;<move 28.5716,5.1504>;30,2");
  const double a = 2 * static_cast<double>(0.2617994f);
  ExpectSegment(Entities().at(0), {30, 2, 30 + 10 * std::cos(a), 2 + 10 * std::sin(a)}, "turned 30 at P");
}

TEST_F(MoveCopy, MoveCancelledWhilePlacingShowsTheSourcesAgainUnchanged) {
  Run("LINE;0,0;10,0;;");
  const std::vector<std::uint8_t> before = Record(Entities().at(0));
  Run("VXMOVE;all;0,0;<move 5,5>;<esc>");
  ASSERT_EQ(Entities().size(), 1u);
  EXPECT_EQ(Record(Entities()[0]), before);
  ExpectSegment(PreviewOf(LastFrame()).at(0).data(), {5, 5, 15, 5}, "the preview moved, the drawing did not");
  Run("UNDO");
  EXPECT_TRUE(Entities().empty()) << "the LINE step is the last one";
}

TEST_F(MoveCopy, CancelAtTheFromPointEndsKeepingEverything) {
  Run("LINE;0,0;10,0;;VXMOVE;all;<esc>");
  EXPECT_EQ(Entities().size(), 1u);
  Run("VXCOPY;<esc>");
  EXPECT_EQ(TranscriptLines().back(), "= <esc>");
}

TEST_F(MoveCopy, CopyPlacesOneCopyPerClickAndLeavesTheSourceUnchangedAndDeselected) {
  Run("LINE;0,0;10,0;;");
  const std::vector<std::uint8_t> before = Record(Entities().at(0));
  Run("VXCOPY;all;0,0;0,10;0,20;0,30;<esc>");
  const std::vector<vx::Entity> all = Entities();
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(Record(all[0]), before);
  EXPECT_FALSE(Selected(all[0]));
  // Each copy lands right after its source, so the latest comes first.
  ExpectSegment(all[1], {0, 30, 10, 30}, "third");
  ExpectSegment(all[2], {0, 20, 10, 20}, "second");
  ExpectSegment(all[3], {0, 10, 10, 10}, "first");
  EXPECT_NE(session.Doc().Work().State(all[1]).tag, 0u) << "copies get new tags";
  EXPECT_NE(session.Doc().Work().State(all[1]).tag, session.Doc().Work().State(all[3]).tag);
  const std::vector<std::string> lines = TranscriptLines();
  EXPECT_EQ(lines[lines.size() - 2], "? Place at:");
  Run("UNDO");
  EXPECT_EQ(Entities().size(), 3u) << "each copy is its own undo step";
  Run("UNDO");
  EXPECT_EQ(Entities().size(), 2u);
}

TEST_F(MoveCopy, EachCopyTakesTheScaleAndAngleCurrentAtItsClick) {
  Run("LINE;0,0;10,0;;VXCOPY;all;0,0;2;0,10;<move 0,10>;<hold shift>;<move 0,20>;0,30;<esc>");
  const std::vector<vx::Entity> all = Entities();
  ASSERT_EQ(all.size(), 3u);
  const double a = 6 * static_cast<double>(0.2617994f);
  ExpectSegment(all[2], {0, 10, 20, 10}, "scaled by the typed 2");
  ExpectSegment(all[1], {0, 30, 20 * std::cos(a), 30 + 20 * std::sin(a)}, "scaled and turned 90");
}

}  // namespace
}  // namespace vxh::testing
