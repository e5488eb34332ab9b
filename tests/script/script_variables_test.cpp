// VXGVD, VXKEYSTAT, VXGTH, VXGETFNAMEM and VXGETLAYERNAMEM from scripts, and
// the drawing-name cut on its own.
#include <cstdio>
#include <cstring>

#include "frame/pack_state.h"
#include "headless/drawing/settings_tables.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "script/drawing_name.h"
#include "tests/script/script_fixture.h"

namespace vxh::testing {
namespace {

using ScriptVariables = ScriptTest;

struct RealCase {
  const char* value;
  const char* decimals;
  const char* stored;
  int kept_decimals;
};

TEST_F(ScriptVariables, RealValueIsFormattedWithClampedDecimals) {
  // The host shows at most 17 decimals, whatever the pack asks for.
  char seventeen[64];
  std::snprintf(seventeen, sizeof seventeen, "%.17f", 3.14159);
  const RealCase cases[] = {
      {"3.14159", "2", "3.14", 2}, {"3.14159", "40", seventeen, 32},
      {"-0.004", "2", "0.00", 2},  {"1234.5678", "-3", "1235", 0},
      {"2.25", "0", "2", 0},
  };
  for (const RealCase& c : cases) {
    Run(std::string("VXGVD;v;") + c.value + ";" + c.decimals);
    EXPECT_EQ(ValueOf("v"), c.stored) << c.value << " with " << c.decimals;
    EXPECT_EQ(vx::Pack().script.decimals, c.kept_decimals) << "stored back for the next run";
  }
}

TEST_F(ScriptVariables, CancellingAnyPromptSetsNothing) {
  for (const char* script : {"VXGVD;<esc>", "VXGVD;v;<esc>", "VXGVD;v;2.5;<esc>", "VXGVD;v;2.5;;", "VXKEYSTAT;<esc>",
                             "VXGTH;;", "VXGETFNAMEM;<esc>", "VXGETLAYERNAMEM;<esc>"}) {
    Run(script);
  }
  EXPECT_TRUE(NoVariableSet()) << transcript.str();
}

// SHIFT alone, both and neither are in the script_variables scenario.
TEST_F(ScriptVariables, KeyStateIsTwoForCtrlAlone) {
  Run("<hold ctrl>;VXKEYSTAT;k;<release all>");
  EXPECT_EQ(ValueOf("k"), "2");
}

TEST_F(ScriptVariables, TextHeightIsTheCurrentTextDefaultWithThreeDecimals) {
  std::uint8_t* table = session.Doc().WorkDL()->SettingsTable(vx::kTableTextDefaults);
  std::uint8_t* spec = table + vx::GetU32(table, vx::kTableCurrentOffset) + vx::kTextDefaultsSpec;
  vx::PutF32(spec, vx::kSpecHeight, 0.1f);  // not exact in single precision
  Run("VXGTH;h");
  EXPECT_EQ(ValueOf("h"), "0.100");
}

struct NameCase {
  const char* list_name;  // null: no working list
  const char* stored;
};

TEST(DrawingNameForVariable, CutsAtTheLastDotOfTheLastComponent) {
  const NameCase cases[] = {
      {nullptr, "error"},
      {"", ""},
      {"plan.kvd", "plan"},
      {"plan", "plan"},
      {".kvd", ".kvd"},  // a dot that is the first character stays
      {"a.b.c", "a.b"},
      {"/x.y/plan", "/x.y/plan"},
      {"/x.y/plan.kvd", "/x.y/plan"},
      {"C:\\a.b\\c", "C:\\a.b\\c"},
      {"/x/.hidden", "/x/"},
  };
  for (const NameCase& c : cases) {
    char out[vx::kDListFileNameBytes];
    vx::DrawingNameForVariable(c.list_name, c.list_name ? std::strlen(c.list_name) + 1 : 0, out, sizeof out);
    EXPECT_STREQ(out, c.stored) << (c.list_name ? c.list_name : "(no list)");
  }
}

TEST(DrawingNameForVariable, AnUnterminatedNameIsReadToTheEndOfItsField) {
  const char field[4] = {'a', '.', 'b', 'c'};
  char out[8];
  vx::DrawingNameForVariable(field, sizeof field, out, sizeof out);
  EXPECT_STREQ(out, "a");
  char small[3];
  vx::DrawingNameForVariable("abcdef.kvd", 11, small, sizeof small);
  EXPECT_STREQ(small, "ab");
}

}  // namespace
}  // namespace vxh::testing
