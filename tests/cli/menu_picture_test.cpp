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

void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.name; }

class MenuPicture : public testing::TestWithParam<MenuCase> {};

// Every item is a row and every separator a thinner rule, whatever the line
// endings; a line with an empty label adds nothing.
TEST_P(MenuPicture, HasARowPerItemAndARulePerSeparator) {
  const std::string dir = ScratchDir(std::string("menu-picture-") + GetParam().name);
  WriteFile(dir + "/menu.txt", GetParam().file);
  const CliResult r = RunCli("menu " + dir + "/menu.txt --out " + dir + "/menu.png");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(rendertest::Picture(dir + "/menu.png").Height(), 6 + 22 * GetParam().rows + 9 * GetParam().separators);
}

INSTANTIATE_TEST_SUITE_P(Files, MenuPicture,
                         testing::Values(MenuCase{"OneItem", "Circle:CIRP;0,0;1,0\r\n", 1, 0},
                                         MenuCase{"ItemsAndSeparators",
                                                  "A:LINE;\r\n-\r\nB\r\n-x:y\r\n:nothing\r\nC:CIRP;\r\n", 3, 2},
                                         MenuCase{"LineFeedsOnly", "A:LINE;\nB:BOX;\n", 2, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

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
