// VXHATCH and the dialogs reached from it, answered by scripts as a user
// answers them and watched each time a dialog waits for its next answer.
#include <gtest/gtest.h>

#include <strings.h>

#include <algorithm>
#include <string>
#include <vector>

#include "headless/host_error.h"
#include "tests/hatch/hatch_dialog_fixture.h"

namespace vxh::testing {
namespace {

using HatchDialog = HatchDialogSession;

constexpr int kScan = 1012, kSmart = 1029, kRegular = 1030;
constexpr int kLines = 1039, kKorvex = 1040, kPatFile = 1041;
constexpr int kLabel = 1058, kPreviewList = 1043, kPlainList = 1044;
constexpr int kEditPatterns = 1036, kPreviews = 1045;

struct RadioCase {
  const char* label;
  const char* first;  // an answer before the one that is checked
  const char* second;
  int method;                        // the method radio checked afterwards
  int kind;                          // and the kind radio
  std::vector<std::string> entries;  // of both pattern lists; {"*"}: not checked
};

TEST_F(HatchDialog, MethodAndKindFollowEachOther) {
  StoreEverything();
  const RadioCase cases[] = {
      {"scan/paint while PAT switches to simple lines", "{1041}", "{1012}", kScan, kLines, {"Test", "Wide"}},
      {"smart while PAT switches to simple lines", "{1030; 1041}", "{1029}", kSmart, kLines, {"Test", "Wide"}},
      {"Korvex while smart switches to regular", "{1029}", "{1040}", kRegular, kKorvex, {"*"}},
      {"PAT while smart switches to regular", "{1029}", "{1041}", kRegular, kPatFile, kPatNames},
      {"PAT while scan/paint switches to regular", "{1012}", "{1041}", kRegular, kPatFile, kPatNames},
      {"regular keeps the PAT kind", "{1041}", "{1030}", kRegular, kPatFile, kPatNames},
      {"simple lines keep scan/paint", "{1012}", "{1039}", kRegular, kLines, {"Test", "Wide"}},
  };
  for (const RadioCase& c : cases) {
    SCOPED_TRACE(c.label);
    Run(std::string("VXHATCH\n") + c.first + "\n" + c.second + "\n{press cancel}\n");
    const Waited w = Last("DLGHATCHCMD");
    for (const int id : {kScan, kSmart, kRegular}) EXPECT_EQ(w.At(id).checked, id == c.method) << id;
    for (const int id : {kLines, kKorvex, kPatFile}) EXPECT_EQ(w.At(id).checked, id == c.kind) << id;
    EXPECT_EQ(w.At(kEditPatterns).enabled, c.kind != kKorvex);
    if (c.entries != std::vector<std::string>{"*"}) {
      EXPECT_EQ(w.Entries(kPlainList), c.entries);
      EXPECT_EQ(w.Entries(kPreviewList), c.entries);
    }
  }
}

TEST_F(HatchDialog, TheModifyFieldsAreEnabledWithTheModifyFlag) {
  Run("VXHATCH\n{1046}\n{1046=0}\n{press cancel}\n");
  const std::vector<Waited> waits = Waits("DLGHATCHCMD");
  ASSERT_EQ(waits.size(), 3u);
  for (std::size_t i = 0; i < waits.size(); ++i) {
    const bool on = i == 1;
    for (const int id : {1047, 1049, 1051, 1059, 1060, 1003}) EXPECT_EQ(waits[i].At(id).enabled, on) << i << " " << id;
  }
}

struct SearchCase {
  const char* search;
  std::vector<std::string> entries;
};

// Each search is followed by clearing the text, which must bring back every
// pattern and the plain label.
TEST_F(HatchDialog, TheSearchTextFiltersThePatternListAndNamesItInTheLabel) {
  StoreEverything();
  const SearchCase cases[] = {
      {"=BR", {"BRASS", "BRICK"}},
      {"=br", {"BRASS", "BRICK"}},
      {"*R*", {"BARS", "BRASS", "BRICK", "GRID"}},
      {"?R*", {"BRASS", "BRICK", "GRID"}},
      {"B??S", {"BARS"}},
      {"BR", {}},
      {"=", kPatNames},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.search);
    Run(std::string("VXHATCH\n{1041}\n{press 1048}\n{1056=\"") + c.search +
        "\"; press ok}\n{press 1048}\n{1056=\"\"; press ok}\n{press cancel}\n");
    const std::vector<Waited> waits = Waits("DLGHATCHCMD");
    ASSERT_GE(waits.size(), 3u);
    const Waited& searched = waits[waits.size() - 2];
    EXPECT_EQ(searched.Entries(kPlainList), c.entries);
    EXPECT_EQ(searched.Entries(kPreviewList), c.entries);
    EXPECT_EQ(searched.At(kLabel).text, std::string("Patterns matching \"") + c.search + "\":");
    const Waited& cleared = waits.back();
    EXPECT_EQ(cleared.Entries(kPlainList), kPatNames);
    EXPECT_EQ(cleared.At(kLabel).text, "Available patterns:");
  }
}

TEST_F(HatchDialog, ASearchTextLongerThanTheFieldIsRefused) {
  const std::string error = ErrorOf<BadInput>("VXHATCH\n{press 1048}\n{1056=\"" + std::string(32, 'A') + "\"}\n");
  EXPECT_NE(error.find("at most 31 characters"), std::string::npos) << error;
}

TEST_F(HatchDialog, TogglingPreviewsKeepsTheSelection) {
  StoreEverything();
  for (const std::string name : {"BRICK", "GRID", "BARS"}) {
    SCOPED_TRACE(name);
    Run("VXHATCH\n{1041; 1045=0}\n{1044=" + name + "}\n{1045}\n{1045=0}\n{press cancel}\n");
    const std::vector<Waited> waits = Waits("DLGHATCHCMD");
    ASSERT_GE(waits.size(), 4u);
    const Waited& off = waits[waits.size() - 3];
    const Waited& on = waits[waits.size() - 2];
    const Waited& off_again = waits.back();
    EXPECT_EQ(off.Selected(kPlainList), name);
    EXPECT_TRUE(on.At(kPreviewList).visible);
    EXPECT_FALSE(on.At(kPlainList).visible);
    EXPECT_EQ(on.Selected(kPreviewList), name);
    EXPECT_TRUE(off_again.At(kPlainList).visible);
    EXPECT_FALSE(off_again.At(kPreviewList).visible);
    EXPECT_EQ(off_again.Selected(kPlainList), name);
  }
}

struct MethodCase {
  const char* radio;
  const char* command;
  std::int32_t method;
};

TEST_F(HatchDialog, OkSavesTheOptionsAndStartsTheChosenMethodAsIfTyped) {
  StoreEverything();
  const MethodCase cases[] = {
      {"1012", "VXHATCHSCAN", vx::kMethodScan},
      {"1029", "VXHATCHSMART", vx::kMethodSmart},
      {"1030", "VXHATCHSTANDARD", vx::kMethodRegular},
  };
  for (const MethodCase& c : cases) {
    SCOPED_TRACE(c.command);
    Run(std::string("VXHATCH\n{1045=0; ") + c.radio +
        "; 1044=Wide; 1046; 1059=2.5; 1060=30; 1003=\"1,2\"; press ok}\n<esc>\n");
    EXPECT_TRUE(Started(c.command)) << transcript.str();
    const std::optional<vx::HatchOptions> stored = StoredOptions();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->FillMethod(), c.method);
    EXPECT_EQ(stored->PatternKind(), vx::kKindSimpleLines);
    EXPECT_EQ(stored->SettingsName(), "Wide");
    EXPECT_TRUE(stored->Modify());
    EXPECT_DOUBLE_EQ(stored->ModifyScale(), 2.5);
    EXPECT_NEAR(stored->ModifyRotation(), 30 * vx::kDegrees, 1e-12);
    EXPECT_DOUBLE_EQ(stored->ModifyOffsetX(), 1);
    EXPECT_DOUBLE_EQ(stored->ModifyOffsetY(), 2);
  }
}

TEST_F(HatchDialog, CancelStartsNothingAndSavesNothing) {
  StoreEverything();
  const char* scripts[] = {
      "VXHATCH\n{1029; 1046; 1059=3; 1045}\n{press 1048}\n{1056=\"=B\"; press ok}\n{press cancel}\n",
      "VXHATCH\n{1041; 1045=0}\n{1044=GRID; 1030}\n<esc>\n",
      "VXHATCH\n{press 1036}\n{1037=30; 1002=7; 1007; press cancel}\n{press cancel}\n",
  };
  for (const char* script : scripts) {
    SCOPED_TRACE(script);
    const std::string before = RegistryText();
    Run(script);
    EXPECT_EQ(RegistryText(), before);
    for (const char* command : {"VXHATCHSCAN", "VXHATCHSMART", "VXHATCHSTANDARD"}) EXPECT_FALSE(Started(command));
  }
}

TEST_F(HatchDialog, NewSavesUnderASixtyFourCharacterNameAndDeleteAsksFirst) {
  StoreEverything();
  const std::string name(64, 'N');
  Run("VXHATCH\n{press 1036}\n{1037=30; 1002=2; press 1023}\n{1026=\"" + name +
      "\"; press ok}\n{press ok}\n"
      "{press cancel}\n");
  const Waited after_new = Last("DLGHATCHOPT");
  const std::vector<std::string> listed = after_new.Entries(1022);
  EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end());
  const std::optional<vx::HatchSettings> settings = StoredSettings(name);
  ASSERT_TRUE(settings);
  EXPECT_EQ(settings->Name(), name);
  EXPECT_DOUBLE_EQ(settings->Distance(), 2);
  EXPECT_NEAR(settings->Angle(), 30 * vx::kDegrees, 1e-12);

  const std::string longer = ErrorOf<BadInput>("VXHATCH\n{press 1036}\n{press 1023}\n{1026=\"" + name + "X\"}\n");
  EXPECT_NE(longer.find("at most 64 characters"), std::string::npos) << longer;

  struct DeleteCase {
    const char* answer;
    bool kept;
  };
  for (const DeleteCase& c : {DeleteCase{"<no>", true}, DeleteCase{"<yes>", false}}) {
    SCOPED_TRACE(c.answer);
    transcript.str("");
    Run("VXHATCH\n{press 1036}\n{1022=\"" + name + "\"}\n{press 1024}\n" + c.answer +
        "\n{press cancel}\n{press cancel}\n");
    EXPECT_NE(transcript.str().find("Are sure you want to delete:\\n\\n" + name), std::string::npos)
        << transcript.str();
    EXPECT_EQ(Registry().Get(vx::kHatchSettingsKey, name).has_value(), c.kept);
    const std::vector<std::string> left = Last("DLGHATCHOPT").Entries(1022);
    EXPECT_EQ(std::find(left.begin(), left.end(), name) != left.end(), c.kept);
  }
}

TEST_F(HatchDialog, OkOfTheLineEditorSavesUnderTheNameInUseWhateverTheComboShows) {
  StoreEverything();
  Run("VXHATCH\n{press 1036}\n{1022=Wide}\n{1002=5; press ok}\n{press cancel}\n");
  const std::optional<vx::HatchSettings> in_use = StoredSettings("Test"), other = StoredSettings("Wide");
  ASSERT_TRUE(in_use && other);
  EXPECT_DOUBLE_EQ(in_use->Distance(), 5);
  EXPECT_DOUBLE_EQ(other->Distance(), 3);
}

struct ScanLineCase {
  const char* answer;
  bool enabled[3];  // scan lines 2 to 4
};

TEST_F(HatchDialog, ScanLinesTwoToFourAreEnabledOnlyWhileSwitchedOn) {
  StoreEverything();
  const ScanLineCase cases[] = {
      {"{1007=0; 1014=0; 1017=0}", {false, false, false}},
      {"{1007}", {true, false, false}},
      {"{1014; 1017}", {true, true, true}},
      {"{1007=0}", {false, true, true}},
  };
  std::string script = "VXHATCH\n{press 1036}\n";
  for (const ScanLineCase& c : cases) script += std::string(c.answer) + "\n";
  Run(script + "{press cancel}\n{press cancel}\n");
  const std::vector<Waited> waits = Waits("DLGHATCHOPT");
  ASSERT_EQ(waits.size(), std::size(cases) + 1);
  constexpr int kOffsets[] = {1009, 1015, 1018}, kStyles[] = {1010, 1016, 1019};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].answer);
    const Waited& w = waits[i + 1];
    for (int line = 0; line < 3; ++line) {
      EXPECT_EQ(w.At(kOffsets[line]).enabled, cases[i].enabled[line]) << line + 2;
      EXPECT_EQ(w.At(kStyles[line]).enabled, cases[i].enabled[line]) << line + 2;
    }
    EXPECT_FALSE(w.At(1004).enabled);
    EXPECT_FALSE(w.At(1005).enabled);
  }
  // Every style combo lists the drawing's line styles, sorted.
  const Waited& opened = waits.front();
  const std::vector<std::string> styles = opened.Entries(1006);
  EXPECT_FALSE(styles.empty());
  EXPECT_TRUE(std::is_sorted(styles.begin(), styles.end(), [](const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) < 0;
  }));
  for (const int id : {1010, 1016, 1019}) EXPECT_EQ(opened.Entries(id), styles);
}

TEST_F(HatchDialog, PatFilesAreAddedAndDeletedThroughTheirDialog) {
  const std::string first = WritePat("first.pat", "*ONE\n0,0,0,0,.25\n*TWO\n45,0,0,0,.25\n");
  const std::string second = WritePat("second.pat", "*THREE\n90,0,0,0,.5\n");
  Run("VXHATCH\n{1041; 1045=0}\n{press 1036}\n{press 1052}\n" + first + "\n{press 1052}\n" + second +
      "\n{press 1052}\n<esc>\n{press ok}\n{press cancel}\n");
  EXPECT_EQ(ValueNames(vx::kPatFilesKey), (std::vector<std::string>{first, second}));
  std::vector<std::string> both{first, second};
  std::sort(both.begin(), both.end());
  EXPECT_EQ(Last("DLGACADPAT").Entries(1054), both);
  EXPECT_EQ(Last("DLGHATCHCMD").Entries(kPlainList), (std::vector<std::string>{"ONE", "THREE", "TWO"}));
  EXPECT_NE(transcript.str().find("? Add pattern file:"), std::string::npos);

  // A name typed without an extension gets the dialog's default one.
  Run("VXHATCH\n{1041}\n{press 1036}\n{press 1052}\n" + (dir / "typed").string() + "\n{press ok}\n{press cancel}\n");
  EXPECT_EQ(ValueNames(vx::kPatFilesKey), (std::vector<std::string>{first, second, (dir / "typed.PAT").string()}));
  Registry().Delete(vx::kPatFilesKey, (dir / "typed.PAT").string());

  struct DeleteCase {
    const char* answer;
    std::vector<std::string> left;
    std::vector<std::string> patterns;
  };
  const DeleteCase cases[] = {
      {"<no>", {first, second}, {"ONE", "THREE", "TWO"}},
      {"<yes>", {second}, {"THREE"}},
  };
  for (const DeleteCase& c : cases) {
    SCOPED_TRACE(c.answer);
    transcript.str("");
    Run("VXHATCH\n{1041; 1045=0}\n{press 1036}\n{1054=\"" + first + "\"; press 1024}\n" + c.answer +
        "\n{press ok}\n{press cancel}\n");
    EXPECT_NE(transcript.str().find("Are sure you want to delete:\\n\\n" + first), std::string::npos)
        << transcript.str();
    EXPECT_EQ(ValueNames(vx::kPatFilesKey), c.left);
    EXPECT_EQ(Last("DLGHATCHCMD").Entries(kPlainList), c.patterns);
  }
}

TEST_F(HatchDialog, TheLinkButtonOpensTheProductPageAndLeavesTheDialogOpen) {
  Run("VXHATCH\n{press 1050}\n{press cancel}\n");
  EXPECT_NE(transcript.str().find("! open https://www.vorlix.test/"), std::string::npos) << transcript.str();
  EXPECT_EQ(Waits("DLGHATCHCMD").size(), 2u);
}

}  // namespace
}  // namespace vxh::testing
