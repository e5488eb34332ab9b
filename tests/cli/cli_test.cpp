#include <gtest/gtest.h>

#include <ostream>

#include "tests/cli/cli_runner.h"

namespace vxtest {
namespace {

TEST(Cli, AboutPrintsTheAboutText) {
  const CliResult r = RunCli("about");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("User commands:\n\nVXLAYERS, VXHIDEF, VXSHOWF, VXTHAWF, VXFREEZEF\nVXMTRIM,"),
            std::string::npos)
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

struct ExitCase {
  const char* arguments;
  int status;
};

// Readable test names: the case, not its bytes.
void PrintTo(const ExitCase& c, std::ostream* os) { *os << c.arguments; }

class CliExitStatus : public testing::TestWithParam<ExitCase> {};

TEST_P(CliExitStatus, IsZeroOneOrTwo) {
  EXPECT_EQ(RunCli(GetParam().arguments).status, GetParam().status) << GetParam().arguments;
}

INSTANTIATE_TEST_SUITE_P(Cases, CliExitStatus,
                         testing::Values(ExitCase{"--help", 0}, ExitCase{"run --help", 0},
                                         ExitCase{"", 2}, ExitCase{"frobnicate", 2},
                                         ExitCase{"list /nonexistent/drawing.kvd", 2},
                                         ExitCase{"run /nonexistent/script.vxs", 2}));

}  // namespace
}  // namespace vxtest
