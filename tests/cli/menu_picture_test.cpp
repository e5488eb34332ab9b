// `vorlix menu FILE --out PICTURE` draws the popup menu VXCMENU would show.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/cli_runner.h"
#include "tests/render/render_fixture.h"

namespace vxtest {
namespace {

struct MenuCase {
  const char* name;
  const char* file;
  int rows;  // items
  int separators;
};

// Every item is a row and every separator a thinner rule, whatever the line
// endings; a line with an empty label adds nothing.
TEST(MenuPicture, HasARowPerItemAndARulePerSeparator) {
  const MenuCase cases[] = {{"OneItem", "Circle:CIRP;0,0;1,0\r\n", 1, 0},
                            {"ItemsAndSeparators", "A:LINE;\r\n-\r\nB\r\n-x:y\r\n:nothing\r\nC:CIRP;\r\n", 3, 2},
                            {"LineFeedsOnly", "A:LINE;\nB:BOX;\n", 2, 0}};
  const std::string dir = ScratchDir("menu-picture");
  for (const MenuCase& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(dir + "/menu.txt", c.file);
    const CliResult r = RunCli("menu " + dir + "/menu.txt --out " + dir + "/menu.png");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(rendertest::Picture(dir + "/menu.png").Height(), 6 + 22 * c.rows + 9 * c.separators);
  }
}

TEST(MenuPictureErrors, AMenuWithoutItemsOrAnUnknownTypeIsBadInput) {
  const std::string dir = ScratchDir("menu-picture-errors");
  WriteFile(dir + "/empty.txt", "-\r\n:nothing\r\n");
  WriteFile(dir + "/menu.txt", "A:LINE;\r\n");
  EXPECT_EQ(RunCli("menu " + dir + "/empty.txt --out " + dir + "/x.png").status, 2);
  EXPECT_EQ(RunCli("menu " + dir + "/menu.txt --out " + dir + "/x.pdf").status, 2);
  EXPECT_EQ(RunCli("menu " + dir + "/missing.txt --out " + dir + "/x.png").status, 2);
}

}  // namespace
}  // namespace vxtest
