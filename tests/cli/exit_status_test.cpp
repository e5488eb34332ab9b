// Every way a vorlix invocation can go wrong, with the status and the words
// a user needs: 2 for bad input, 1 for work that could not be done.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>

#include "tests/cli/cli_runner.h"

namespace vxtest {
namespace {

struct ExitCase {
  const char* what;
  const char* arguments;  // {dir} is the scratch folder
  int status;
  const char* says;  // the output holds this, {dir} replaced; "" for nothing to check
};

void PrintTo(const ExitCase& c, std::ostream* os) { *os << c.what; }

std::string Replace(std::string text, const std::string& dir) {
  for (std::size_t at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}", at + dir.size()))
    text.replace(at, 5, dir);
  return text;
}

// A folder with a good script, a good drawing, a damaged one, a folder and a
// folder named like a drawing.
std::string Fixture() {
  // Per process: ctest runs every case as a process of its own, in parallel.
  const std::string dir = ScratchDir("exit-status-" + std::to_string(::getpid()));
  WriteFile(dir + "/draw.vxs", "LINE; 0,0; 10,0; <enter>\n");
  WriteFile(dir + "/save.vxs", "LINE; 0,0; 10,0; <enter>\nSAVE; " + dir + "/no/such/folder/x.kvd\n");
  WriteFile(dir + "/damaged.kvd", std::string("VXKVD\r\n\x1a\x01\0\0\0", 12));
  std::filesystem::create_directories(dir + "/adir");
  std::filesystem::create_directories(dir + "/taken.kvd");
  const CliResult made = RunCli("run " + dir + "/draw.vxs --out " + dir + "/good.kvd");
  EXPECT_EQ(made.status, 0) << made.out;
  return dir;
}

class CliExitStatus : public testing::TestWithParam<ExitCase> {
 protected:
  static void SetUpTestSuite() { dir_ = new std::string(Fixture()); }
  static void TearDownTestSuite() {
    std::filesystem::remove_all(*dir_);
    delete dir_;
  }
  static std::string* dir_;
};

std::string* CliExitStatus::dir_ = nullptr;

TEST_P(CliExitStatus, IsTheDocumentedOneWithAMessageThatSaysWhy) {
  const ExitCase& c = GetParam();
  const CliResult r = RunCli(Replace(c.arguments, *dir_));
  EXPECT_EQ(r.status, c.status) << r.out;
  EXPECT_NE(r.out.find(Replace(c.says, *dir_)), std::string::npos) << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliExitStatus,
    testing::Values(
        ExitCase{"help", "--help", 0, "Subcommands:"}, ExitCase{"run help", "run --help", 0, "--transcript"},
        ExitCase{"help subcommand", "help", 0, "convert"},
        ExitCase{"help of one subcommand", "help convert", 0, "Drawing to write"},
        ExitCase{"help of an unknown subcommand", "help frobnicate", 2, "vorlix: unknown subcommand \"frobnicate\""},
        ExitCase{"version", "--version", 0, "vorlix 0."}, ExitCase{"no subcommand", "", 2, "vorlix: "},
        ExitCase{"unknown subcommand", "frobnicate", 2, "vorlix: unknown subcommand \"frobnicate\""},
        ExitCase{"unknown registry subcommand", "registry frob", 2, "vorlix: unknown subcommand \"registry frob\""},
        ExitCase{"unknown option", "run {dir}/draw.vxs --bogus", 2, "vorlix: "},
        ExitCase{"option without its value", "run {dir}/draw.vxs --in", 2, "vorlix: --in"},
        ExitCase{"no script", "run", 2, "vorlix: SCRIPT is required"},
        ExitCase{"missing script", "run {dir}/none.vxs", 2,
                 "vorlix: cannot read script \"{dir}/none.vxs\": No such file or directory"},
        ExitCase{"folder as script", "run {dir}/adir", 2, "cannot read script \"{dir}/adir\": Is a directory"},
        ExitCase{"folder as drawing", "run {dir}/draw.vxs --in {dir}/adir", 2,
                 "cannot read drawing file \"{dir}/adir\": Is a directory"},
        ExitCase{"damaged drawing to convert", "convert {dir}/damaged.kvd {dir}/c.dxf", 2, "damaged.kvd"},
        ExitCase{"unknown extension for run", "run {dir}/draw.vxs --out {dir}/x.doc", 2,
                 "vorlix: unknown output type \"{dir}/x.doc\" (use .kvd, .dxf, .png, .svg or .pdf)"},
        ExitCase{"unknown extension for convert", "convert {dir}/good.kvd {dir}/x.doc", 2,
                 "vorlix: unknown output type \"{dir}/x.doc\" (use .kvd or .dxf)"},
        ExitCase{"a picture is not a converted drawing", "convert {dir}/good.kvd {dir}/x.png", 2,
                 "unknown output type"},
        ExitCase{"a drawing is not a rendered picture", "render {dir}/good.kvd --out {dir}/x.kvd", 2,
                 "(use .png, .svg or .pdf)"},
        ExitCase{"output in a missing folder", "run {dir}/draw.vxs --out {dir}/no/such/x.kvd", 1,
                 "vorlix: cannot write \"{dir}/no/such/x.kvd\": No such file or directory"},
        ExitCase{"output over a folder", "run {dir}/draw.vxs --out {dir}/taken.kvd", 1,
                 "cannot write \"{dir}/taken.kvd\": Is a directory"},
        ExitCase{"converted drawing in a missing folder", "convert {dir}/good.kvd {dir}/no/x.dxf", 1,
                 "cannot write \"{dir}/no/x.dxf\": No such file or directory"},
        ExitCase{"picture in a missing folder", "render {dir}/good.kvd --out {dir}/no/x.png", 1,
                 "cannot write \"{dir}/no/x.png\""},
        ExitCase{"transcript in a missing folder", "run {dir}/draw.vxs --transcript {dir}/no/t.txt", 1,
                 "cannot write \"{dir}/no/t.txt\": No such file or directory"},
        ExitCase{"transcript on a full device", "run {dir}/draw.vxs --transcript /dev/full", 1,
                 "cannot write \"/dev/full\": No space left on device"},
        ExitCase{"listing on a full device (the message goes there too)", "list {dir}/good.kvd >/dev/full", 1, ""},
        ExitCase{"SAVE into a missing folder", "run {dir}/save.vxs", 1,
                 "{dir}/save.vxs:2:7: cannot write \"{dir}/no/such/folder/x.kvd\": No such file or directory"}),
    [](const testing::TestParamInfo<ExitCase>& info) {
      std::string name;
      for (const char* c = info.param.what; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
      return name;
    });

TEST(CliExit, ARunThatFailsLeavesThePreviousDrawingWhole) {
  const std::string dir = ScratchDir("exit-previous");
  WriteFile(dir + "/draw.vxs", "CIRP; 0,0; 5,0\n");
  WriteFile(dir + "/bad.vxs", "LINE; 0,0; nowhere\n");
  ASSERT_EQ(RunCli("run " + dir + "/draw.vxs --out " + dir + "/out.kvd").status, 0);
  const std::string before = RunCli("list --json " + dir + "/out.kvd").out;
  EXPECT_EQ(RunCli("run " + dir + "/bad.vxs --out " + dir + "/out.kvd").status, 2);
  EXPECT_EQ(RunCli("list --json " + dir + "/out.kvd").out, before);
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++files;
  EXPECT_EQ(files, 3u) << "the scripts and the drawing, nothing else";
}

}  // namespace
}  // namespace vxtest
