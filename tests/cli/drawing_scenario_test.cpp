// A user's first session: draw, take the last step back, save, look at the
// drawing with `vorlix list`.
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

TEST(DrawingScenario, DrawUndoSaveAndList) {
  const std::string dir = ScratchDir("scenario");
  WriteFile(dir + "/draw.vxs", kScript);
  const CliResult run = RunCli("run " + dir + "/draw.vxs --out " + dir + "/out.kvd --transcript " +
                               dir + "/transcript.txt");
  ASSERT_EQ(run.status, 0) << run.out;

  const CliResult list = RunCli("list --json " + dir + "/out.kvd");
  ASSERT_EQ(list.status, 0) << list.out;
  const std::string by_layer_0 = ",\"layer_name\":\"0\",\"colour\":\"bylayer\",\"line_style\":\"Solid\"}";
  const std::string expected =
      "{\"entities\":[\n"
      "{\"kind\":2,\"name\":\"line\",\"layer\":0,\"points\":[[0,0],[10,0]]" + by_layer_0 + ",\n"
      "{\"kind\":2,\"name\":\"line\",\"layer\":0,\"points\":[[10,0],[10,5]]" + by_layer_0 + ",\n"
      "{\"kind\":4,\"name\":\"polygon\",\"layer\":0,\"points\":[[20,0],[30,0],[25,8],[20,0]]" + by_layer_0 + ",\n"
      "{\"kind\":6,\"name\":\"circle\",\"layer\":0,\"center\":[50,0],\"radius\":5" + by_layer_0 + ",\n"
      "{\"kind\":5,\"name\":\"text\",\"layer\":0,\"origin\":[0,-10],\"text\":\"Hello\",\"height\":2.5,"
      "\"angle\":0" + by_layer_0 + "\n"
      "],\n\"layers\":[\n";
  EXPECT_EQ(list.out.substr(0, expected.size()), expected);
}

TEST(DrawingScenario, AScriptErrorNamesThePlaceAndWritesNoDrawing) {
  const std::string dir = ScratchDir("scenario-error");
  WriteFile(dir + "/bad.vxs", "LINE; 0,0\n  10,zero\n");
  const CliResult run = RunCli("run " + dir + "/bad.vxs --out " + dir + "/out.kvd");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.out.find(dir + "/bad.vxs:2:3:"), std::string::npos) << run.out;
  EXPECT_FALSE(std::filesystem::exists(dir + "/out.kvd"));
}

TEST(DrawingScenario, AScriptThatEndsWhileARequestWaitsIsBadInput) {
  const std::string dir = ScratchDir("scenario-waiting");
  WriteFile(dir + "/waiting.vxs", "CIRP; 0,0\n");
  const CliResult run = RunCli("run " + dir + "/waiting.vxs --out " + dir + "/out.kvd");
  EXPECT_EQ(run.status, 2) << run.out;
  EXPECT_FALSE(std::filesystem::exists(dir + "/out.kvd"));
}

TEST(DrawingScenario, ADamagedDrawingIsBadInput) {
  const std::string dir = ScratchDir("scenario-damaged");
  WriteFile(dir + "/random.kvd", std::string("\x13\x37garbage\0\xff\xfe", 13));
  const CliResult list = RunCli("list " + dir + "/random.kvd");
  EXPECT_EQ(list.status, 2) << list.out;
  EXPECT_NE(list.out.find("random.kvd"), std::string::npos) << list.out;
}

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
