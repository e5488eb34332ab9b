// Every picture type a user can ask for is written. (What the drawing holds is
// checked by the scenario folders.)
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/cli/cli_runner.h"

namespace vxtest {
namespace {

constexpr const char* kScript = R"(# lines, a polygon, a circle and a text
LINE; 0,0; 10,0; 10,5; <enter>
POLY; 20,0; 30,0; 25,8; <enter>
CIRP; 50,0; 53,4
TEXT; 0,-10; "Hello"
CIRP; 70,0; 71,0
UNDO
)";

TEST(DrawingScenario, RenderWritesEachPictureType) {
  const std::string dir = ScratchDir("scenario-render");
  WriteFile(dir + "/draw.vxs", kScript);
  for (const char* type : {"png", "svg", "pdf"}) {
    const std::string out = dir + "/picture." + type;
    const CliResult run = RunCli("run " + dir + "/draw.vxs --out " + out);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_GT(std::filesystem::file_size(out), 200u) << out;
  }
}

}  // namespace
}  // namespace vxtest
