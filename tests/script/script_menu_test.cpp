// VXCMENU: the menu file's entries, and the menu run from scripts with the
// file in the host folder.
#include <filesystem>
#include <fstream>

#include "headless/host_error.h"
#include "script/menu_file.h"
#include "tests/fonts/font_test_support.h"
#include "tests/script/script_fixture.h"

namespace vxh::testing {
namespace {

struct Shown {
  bool separator;
  std::string label;
  std::string command;  // "" for none
};

std::vector<Shown> Read(std::string_view data) {
  std::vector<Shown> out;
  for (const vx::MenuEntry& e : vx::ReadMenuEntries(data)) {
    out.push_back({e.separator, e.label, e.command_at == 0 ? "" : std::string(vx::CommandTextAt(data, e.command_at))});
  }
  return out;
}

bool operator==(const Shown& a, const Shown& b) {
  return a.separator == b.separator && a.label == b.label && a.command == b.command;
}

void PrintTo(const Shown& s, std::ostream* os) { *os << (s.separator ? "-" : s.label) << ":" << s.command; }

TEST(MenuFile, LinesBecomeItemsSeparatorsOrNothing) {
  const struct {
    std::string_view data;
    std::vector<Shown> entries;
  } cases[] = {
      {"Line:LINE;0,0;1,1;;\r\n", {{false, "Line", "LINE;0,0;1,1;;"}}},
      {"-\r\n-part:ignored\r\n", {{true, "", ""}, {true, "", ""}}},
      {"a:x\r\n\r\n\r\nb:y", {{false, "a", "x"}, {false, "b", "y"}}},
      {"No command\r\n:no label\r\nEmpty:\r\n", {{false, "No command", ""}, {false, "Empty", ""}}},
      {"lf:one\nonly:two\n", {{false, "lf", "one"}, {false, "only", "two"}}},
      {"time: 12:30\r\n", {{false, "time", " 12:30"}}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.data), c.entries) << c.data;
}

TEST(MenuFile, IdentifiersAreOffsetsJustAfterTheColon) {
  const std::string_view data = "ab:cd\r\nx:yz";
  const std::vector<vx::MenuEntry> entries = vx::ReadMenuEntries(data);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].command_at, 3u);
  EXPECT_EQ(entries[1].command_at, 9u);
  EXPECT_EQ(vx::CommandTextAt(data, 100), "");
}

class CommandMenu : public fonttest::OwnHostFolder, public ScriptTest {
 protected:
  void WriteMenu(const std::string& name, const std::string& text) {
    std::ofstream(home.Path() / name, std::ios::binary) << text;
  }
};

const char kMenu[] =
    "Line:LINE;0,0;10,0;;\r\n"
    "-\r\n"
    "Nothing\r\n"
    "Circle:CIRP;0,0;5,0\r\n";

TEST_F(CommandMenu, EscapeAnItemWithoutCommandOrAnEmptyFileOrNoNameRunNothing) {
  WriteMenu("m.txt", kMenu);
  WriteMenu("empty.txt", "");
  Run("VXCMENU;\"#m.txt\";<esc>;VXCMENU;;<menu 2>;VXCMENU;\"#empty.txt\";VXCMENU;\"#missing.txt\";VXCMENU;<esc>");
  EXPECT_TRUE(Entities().empty());
  EXPECT_TRUE(Transcribed("? Filename [#m.txt]: ")) << "Enter offered the previous name";
  const std::vector<std::string> lines = TranscriptLines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "? menu: Line | - | Nothing | Circle"), 2);
}

TEST_F(CommandMenu, TheMenuRefusesItemsItLacksAndOtherTokens) {
  WriteMenu("m.txt", kMenu);
  EXPECT_NE(ErrorOf<BadInput>("VXCMENU;\"#m.txt\";<menu 4>").find("the menu has 3 items"), std::string::npos);
  EXPECT_NE(ErrorOf<BadInput>("VXCMENU;\"#m.txt\";Line").find("waits for an event"), std::string::npos);
}

TEST_F(CommandMenu, ACommandTooLongForItsBufferIsRefusedNotCut) {
  const std::string fits = "LINE;0,0;" + std::string(250 - 9 - 5, '0') + "1,1;;";  // 250 characters
  const std::string too_long = "LINE;0,0;" + std::string(256 - 9 - 5, '0') + "1,1;;";
  ASSERT_EQ(fits.size(), 250u);
  ASSERT_EQ(too_long.size(), 256u);
  WriteMenu("m.txt", "Fits:" + fits + "\r\nToo long:" + too_long + "\r\n");
  Run("VXCMENU;\"#m.txt\";<menu 2>");
  EXPECT_TRUE(Entities().empty());
  EXPECT_TRUE(Transcribed("[Warning] The menu command is longer than 255 characters and was not run"));
  Run("VXCMENU;;<menu 1>");
  EXPECT_EQ(Entities().size(), 1u);
}

}  // namespace
}  // namespace vxh::testing
