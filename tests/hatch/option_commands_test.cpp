// The hatch option commands: prompts, defaults, statuses and what they store.
#include <gtest/gtest.h>

#include <vector>

#include "hatch/hatch_layout.h"
#include "hatch/registry_keys.h"
#include "tests/hatch/hatch_fixture.h"

namespace vxh::testing {
namespace {

using OptionCommands = HatchSession;

struct SelectCase {
  const char* label;
  const char* script;
  std::vector<std::string> transcript;  // after the pattern type's prompt
  bool stored;
  std::int32_t kind;
};
void PrintTo(const SelectCase& c, std::ostream* os) { *os << c.label; }

class HatchOptSel : public OptionCommands, public ::testing::WithParamInterface<SelectCase> {};

TEST_P(HatchOptSel, PromptsAndStores) {
  Run(GetParam().script);
  std::vector<std::string> transcript = {"> VXHATCHOPTSEL", "? Pattern type (0 = Line, 1 = Korvex, 2 = PAT-file): "};
  transcript.insert(transcript.end(), GetParam().transcript.begin(), GetParam().transcript.end());
  EXPECT_EQ(TranscriptLines(), transcript);
  const auto stored = StoredOptions();
  ASSERT_EQ(stored.has_value(), GetParam().stored);
  if (!stored) return;
  EXPECT_EQ(stored->PatternKind(), GetParam().kind);
  EXPECT_EQ(stored->KorvexName(), GetParam().kind == 1 ? "My fill" : ".25 Right Diagonal");
  EXPECT_EQ(stored->PatName(), GetParam().kind == 2 ? "Bricks" : "");
  EXPECT_EQ(stored->SettingsName(), GetParam().kind == 0 ? "Fine" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HatchOptSel,
    ::testing::Values(
        SelectCase{
            "KindSevenBecomesLines", "VXHATCHOPTSEL;7;Fine", {"= 7", "? Line pattern name: ", "= Fine"}, true, 0},
        SelectCase{"Korvex", "VXHATCHOPTSEL;1;My fill", {"= 1", "? Korvex pattern name: ", "= My fill"}, true, 1},
        SelectCase{"PatFile", "VXHATCHOPTSEL;2;Bricks", {"= 2", "? PAT-file pattern name: ", "= Bricks"}, true, 2},
        SelectCase{"EnterAtTheKindStoresNothing", "VXHATCHOPTSEL;;", {"= <enter>"}, false, 0},
        SelectCase{"EscapeAtTheNameStoresNothing",
                   "VXHATCHOPTSEL;2;<esc>",
                   {"= 2", "? PAT-file pattern name: ", "= <esc>"},
                   false,
                   0}));

TEST_F(OptionCommands, AnOverlongNameIsCutToItsField) {
  Run("VXHATCHOPTSEL;0;" + std::string(200, 'n'));
  ASSERT_TRUE(StoredOptions());
  EXPECT_EQ(StoredOptions()->SettingsName(), std::string(64, 'n'));
  EXPECT_EQ(StoredOptions()->ShowPreviews(), false) << "the field after the name is untouched";
}

TEST_F(OptionCommands, ModifyAnsweredFullyIsStoredAndAppliedByTheNextFill) {
  Run("VXHATCHOPTMOD;2;90;1,0");
  const std::vector<std::string> want = {"> VXHATCHOPTMOD",
                                         "? Modify pattern - scale by [no modify]: ",
                                         "= 2",
                                         "? Modify pattern - rotate by [no modify]: ",
                                         "= 90",
                                         "? Modify pattern - offset by [no modify]: ",
                                         "= 1,0"};
  EXPECT_EQ(TranscriptLines(), want);
  const auto o = StoredOptions();
  ASSERT_TRUE(o);
  EXPECT_TRUE(o->Modify());
  EXPECT_EQ(o->ModifyScale(), 2);
  EXPECT_EQ(o->ModifyRotation(), 90 * (3.14159265 / 180));
  EXPECT_EQ(o->ModifyOffsetX(), 1);
  // Default 0.2 at 45 degrees, doubled and turned by 90: lines at 135 degrees, 0.4 apart.
  Run("BOX;0,0;4,4;VXHATCHSTANDARD;all");
  const std::vector<Segment> lines = HatchLines();
  ASSERT_FALSE(lines.empty());
  for (const Segment& s : lines) EXPECT_NEAR(s.y2 - s.y1, -(s.x2 - s.x1), 1e-7);
  EXPECT_NEAR(TotalLength(lines), 16 / 0.4, 6);
}

// Enter at the first prompt, or Escape at a later one, stores modify off and
// keeps the values stored before.
TEST_F(OptionCommands, ModifyNotAnsweredFullyStoresModifyOff) {
  vx::HatchOptions o = vx::DefaultHatchOptions();
  o.SetModify(true);
  o.SetModifyScale(3);
  for (const char* script : {"VXHATCHOPTMOD;;", "VXHATCHOPTMOD;5;<esc>"}) {
    StoreOptions(o);
    Run(script);
    const auto stored = StoredOptions();
    ASSERT_TRUE(stored);
    EXPECT_FALSE(stored->Modify()) << script;
    EXPECT_EQ(stored->ModifyScale(), 3) << script;
  }
}

TEST_F(OptionCommands, DistanceAndAngleShowTheCurrentValuesAndStoreTheAnswers) {
  Run("VXHATCHOPT;0.5;30");
  const std::vector<std::string> want = {"> VXHATCHOPT", "? Hatch distance [0.2000]:", "= 0.5",
                                         "? Hatch angle [45.00]:", "= 30"};
  EXPECT_EQ(TranscriptLines(), want);
  const auto s = StoredSettings("");
  ASSERT_TRUE(s);
  EXPECT_EQ(s->Distance(), 0.5);
  EXPECT_EQ(s->Angle(), 30 * (3.14159265 / 180));
}

TEST_F(OptionCommands, EnterAtBothPromptsStoresTheUnchangedValues) {
  Run("VXHATCHOPT;;;");
  const auto s = StoredSettings("");
  ASSERT_TRUE(s);
  EXPECT_EQ(s->bytes, vx::DefaultHatchSettings().bytes);
}

TEST_F(OptionCommands, EscapeAtTheDistanceStoresNothing) {
  Run("VXHATCHOPT;<esc>");
  EXPECT_FALSE(StoredSettings(""));
}

TEST_F(OptionCommands, HatchLastStartsTheStoredMethodOrSaysItIsNotThere) {
  vx::HatchOptions o = vx::DefaultHatchOptions();
  o.SetFillMethod(vx::kMethodRegular);
  StoreOptions(o);
  Run("BOX;0,0;1,1;VXHATCHLAST;all");
  const std::vector<std::string> t = TranscriptLines();
  EXPECT_NE(std::find(t.begin(), t.end(), "? Regular hatch - pick entities:"), t.end());
  o.SetFillMethod(7);
  StoreOptions(o);
  Run("VXHATCHLAST");
  EXPECT_EQ(TranscriptLines().back(), "[Message] The stored hatch method 7 is not one of 0, 1 and 2");
}

}  // namespace
}  // namespace vxh::testing
