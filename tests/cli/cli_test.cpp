#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"

namespace vxtest {
namespace {

TEST(Cli, AboutPrintsTheAboutText) {
  const CliResult r = RunCli("about");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("User commands:\n\nVXLAYERS, VXHIDEF, VXSHOWF, VXTHAWF, VXFREEZEF\nVXMTRIM,"), std::string::npos)
      << r.out;
}

TEST(Cli, CommandsListsAllFiftyThreeAndMarksThoseNotBuilt) {
  const CliResult r = RunCli("commands");
  EXPECT_EQ(r.status, 0);
  int lines = 0;
  for (char c : r.out) lines += c == '\n';
  EXPECT_EQ(lines, 53);
  EXPECT_NE(r.out.find("VXHATCHSTANDARD"), std::string::npos);
}

}  // namespace
}  // namespace vxtest
