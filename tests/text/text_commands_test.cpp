// The four text commands driven by scripts as a user would: dialogs, clicks,
// keys, typed numbers and selections.
#include "headless/kvd/kvd_file.h"
#include "host/settings_layout.h"
#include "tests/text/text_fixture.h"

namespace vxh::testing {
namespace {

using TextCommands = TextTest;

// ---- VXTINC -------------------------------------------------------------

TEST_F(TextCommands, IncrementValueFollowsTypedNumbersAndArrowKeys) {
  AddText(0, 0, "x12y34");
  Run("VXTINC;{1042; press ok};5;0,0;<key UP>;<key UP>;0,0;<key LEFT>;<key SUBTRACT>;0,0;<esc>");
  // Last group: +5 gives 39, +7 gives 46, +5 gives 51.
  EXPECT_EQ(Strings(), (std::vector<std::string>{"x12y51"}));
  EXPECT_GE(LinesWith("? Pick text to increment by <7> (CTRL = decrement):"), 1);
  EXPECT_GE(LinesWith("? Pick text to increment by <5> (CTRL = decrement):"), 1);
}

TEST_F(TextCommands, IncrementCancelledDialogChangesNothing) {
  AddText(0, 0, "A1");
  Run("VXTINC;{press cancel}");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"A1"}));
}

TEST_F(TextCommands, SelectionWithoutTextsChangesNothingAndEndsQuietly) {
  Run("LINE;0,0;1,1;;");
  AddText(50, 50, "A1");
  const std::vector<std::uint8_t> before = EncodeKvd(session.Doc(), true);
  Run("VXTINC;{1039; press ok};window -1,-1 2,2");
  EXPECT_EQ(EncodeKvd(session.Doc(), true), before);
  EXPECT_EQ(TranscriptLines().back(), "= window -1,-1 2,2 (1 selected)");
}

// ---- VXTREPLACE -----------------------------------------------------------

TEST_F(TextCommands, ReplaceWithAnEmptySearchSaysNothingMatchesAndEnds) {
  AddText(0, 0, "abc");
  Run("VXTREPLACE;{1038=\"\"; press ok}");
  EXPECT_EQ(TranscriptLines().back(), "[Message] No text string is matching the search criteria");
}

TEST_F(TextCommands, ReplaceTypedNumberReplacesAPlainNumberReplacement) {
  AddText(0, 0, "Room X");
  AddText(10, 0, "Hall X");
  Run("VXTREPLACE;{1038=X; 1043=1; press ok};41;0,0;<key DOWN>;10,0");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"Room 41", "Hall 40"}));
  EXPECT_GE(LinesWith("? Pick text to replace. New text is <41>:"), 1);
}

TEST_F(TextCommands, ReplaceKeepsTheWholeResultWhenItGrowsPastFiveHundredBytes) {
  AddText(0, 0, std::string(150, 'a'));
  Run("VXTREPLACE;{1038=a; 1043=bcdef; 1039; press ok};all");
  EXPECT_EQ(Strings().at(0).size(), 750u);
}

// ---- VXTSEQ -----------------------------------------------------------------

TEST_F(TextCommands, SequenceKeysAndTypedNumbersSetTheNextNumber) {
  AddText(0, 0, "A1");
  AddText(10, 0, "B1");
  Run("VXTSEQ;{1042=10; press ok};20;0,0;<key DOWN>;<key DOWN>;10,0;<esc>");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"A20", "B19"}));
}

TEST_F(TextCommands, SequenceBySelectionSortsByYWithTiesInListOrder) {
  AddText(0, 0, "low 0");
  AddText(5, 10, "top-a 0");
  AddText(0, 10, "top-b 0");
  AddText(0, 5, "mid 0");
  Run("VXTSEQ;{1039; 1044; press ok};all");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"low 4", "top-a 1", "top-b 2", "mid 3"}));
}

TEST_F(TextCommands, SequenceBySelectionSortsByXAndSkipsFrozenLayers) {
  AddText(30, 0, "c0");
  AddText(10, 0, "a0");
  PutOnLayer(AddText(20, 0, "f0"), "Cold", vx::kLayerFrozen);
  // "all" leaves frozen layers out; select the frozen text by its layer too.
  Run("VXTSEQ;{1039; 1041; press ok};all + layer Cold");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"c2", "a1", "f0"}));
}

TEST_F(TextCommands, SequenceNumberChoicesFromTheBack) {
  AddText(0, 0, "A1-B2-C3");
  AddText(10, 0, "12ab");
  AddText(20, 0, "x7");
  Run("VXTSEQ;{1065=\"2nd last number\"; 1042=9; 1046=0; 1039; 1045; press ok};all");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"A1-B9-C3", "9ab", "x9"}));
}

// ---- VXTCASE ------------------------------------------------------------------

TEST_F(TextCommands, CaseEndsOnEscapeAndLeavesLongTextsAlone) {
  AddText(0, 0, std::string(1024, 'a'));
  AddText(10, 0, std::string(1023, 'a'));
  Run("VXTCASE;{1044; press ok};<esc>");
  EXPECT_EQ(TranscriptLines().back(), "= <esc>");
  Run("VXTCASE;{1044; 1039; press ok};all");
  EXPECT_EQ(Strings().at(0), std::string(1024, 'a'));
  EXPECT_EQ(Strings().at(1), std::string(1023, 'A'));
}

}  // namespace
}  // namespace vxh::testing
