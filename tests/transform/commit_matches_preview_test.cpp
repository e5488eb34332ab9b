// What a user clicks on is what the drawing gets: with a snap grid the
// preview follows the snapped cursor, and the click commits that preview,
// whatever the command and the modifier keys held.
#include <cmath>

#include "tests/transform/transform_fixture.h"

namespace vxh::testing {
namespace {

struct ClickCase {
  const char* name;
  const char* drag;       // the command up to and including its last drag moves
  const char* click;      // where the user clicks, off the grid
  std::size_t committed;  // index of the committed line among the entities
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class CommitMatchesPreview : public TransformTest, public ::testing::WithParamInterface<ClickCase> {};

// Regression: the commit took the raw clicked point while the preview showed
// the snapped one, so the line landed up to half a grid step off.
TEST_P(CommitMatchesPreview, TheClickedLineLiesWhereThePreviewShowedIt) {
  const ClickCase& c = GetParam();
  const std::string click = c.click;
  Run(std::string("SNAP;1;LINE;0,0;10,0;;") + c.drag + ";<down " + click + ">;<up " + click + ">;<release all>" +
      (c.committed > 0 ? ";<esc>" : ""));
  const std::vector<std::uint8_t> preview = PreviewOf(LastFrame()).at(0);
  const std::vector<vx::Entity> all = Entities();
  ASSERT_GT(all.size(), c.committed);
  ExpectSegment(all[c.committed], SegmentOf(preview.data()), c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommitMatchesPreview,
    ::testing::Values(ClickCase{"Move", "VXMOVE;all;0,0;<move 3.2,4.4>", "6.3,7.8", 0},
                      ClickCase{"MoveWithShift", "VXMOVE;all;0,0;<move 20.4,0.3>;<hold shift>", "28.6,5.2", 0},
                      ClickCase{"MoveWithCtrl", "VXMOVE;all;0,0;<move 20.4,0.3>;<hold ctrl>", "20.4,12.3", 0},
                      ClickCase{"Copy", "VXCOPY;all;0,0;<move 3.2,4.4>", "6.3,7.8", 1},
                      ClickCase{"Rotate", "VXROTATE;all;0,0;<move 5,5>", "3.3,7.6", 0},
                      ClickCase{"RotateWithShift", "VXROTATE;all;0,0;<move 5,5>;<hold shift>", "3.3,7.6", 0},
                      ClickCase{"Shear", "VXSHEAR;all;0,0;10,0;<move 2,2>", "3.3,7.6", 0}),
    [](const auto& info) { return std::string(info.param.name); });

using TypedPoints = TransformTest;

TEST_F(TypedPoints, ATypedPointIsTakenExactlyEvenWithASnapGrid) {
  Run("SNAP;1;LINE;0,0;10,0;;VXMOVE;all;0,0;<move 3,3>;6.3,7.8");
  ExpectSegment(Entities().at(0), {6.3, 7.8, 16.3, 7.8}, "typed coordinates are not snapped");
  Run("VXROTATE;all;6.3,7.8;90");
  ExpectSegment(Entities().at(0), {6.3, 7.8, 6.3, 17.8}, "a typed angle is not snapped");
}

using EmptyCommands = TransformTest;

// Regression: a command that changed nothing left an empty step that UNDO
// skipped, so UNDO took back the command before it instead.
TEST_F(EmptyCommands, UndoAfterACommandThatChangedNothingTakesBackThatCommandOnly) {
  Run("LINE;0,0;1,0;;LINE;0,5;1,5;;VXMOVE;window 50,50 60,60;0,0;5,5");
  ASSERT_EQ(Entities().size(), 2u);
  Run("UNDO");
  EXPECT_EQ(Entities().size(), 2u) << "the empty move is undone, nothing visible changes";
  Run("UNDO");
  EXPECT_EQ(Entities().size(), 1u) << "then the second line";
  Run("REDO;REDO");
  EXPECT_EQ(Entities().size(), 2u);
}

TEST_F(EmptyCommands, ACancelledPreviewIsNoStepOfItsOwn) {
  Run("LINE;0,0;1,0;;UNDO;LINE;0,5;1,5;;VXMOVE;all;0,0;<move 3,3>;<esc>");
  Run("UNDO");
  EXPECT_TRUE(Entities().empty()) << "the cancelled move made no step; UNDO took back the line";
}

}  // namespace
}  // namespace vxh::testing
