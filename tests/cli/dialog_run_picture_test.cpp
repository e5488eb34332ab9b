// `vorlix dialog NAME --run SCRIPT --out PICTURE` draws the dialog as the
// script's run last left it waiting, owner-drawn previews included.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/cli/cli_runner.h"
#include "tests/render/render_fixture.h"

namespace vxtest {
namespace {

// Pixels darker than a tenth of full scale: the previews' screen background
// and the lines' gaps; the dialog's own face and lists are light.
long DarkPixels(const std::string& png) {
  const rendertest::Picture picture(png);
  return picture.Ok() ? picture.InkedPixels(0, 0, picture.Width() - 1, picture.Height() - 1, 229) : -1;
}

constexpr int kPreviewRowPixels = 45;

TEST(DialogRunPicture, ShowsThePatternListAsPictures) {
  const std::string dir = ScratchDir("dialog-run-previews");
  WriteFile(dir + "/p.pat", "*ONE\n0,0,0,0,.25\n*TWO\n45,0,0,0,.25\n*THREE\n90,0,0,0,.5\n");
  const std::string registry = dir + "/registry.sqlite3";
  const CliResult reg = RunCli("registry set --registry " + registry +
                               " 'Software\\Quoravia\\Vorlix\\VXHatch\\PAT Files' " + dir + "/p.pat --empty");
  ASSERT_EQ(reg.status, 0) << reg.out;
  WriteFile(dir + "/s.vxs", "VXHATCH\n{1041; 1045}\n{1043=TWO}\n{press cancel}\n");
  const CliResult run =
      RunCli("dialog DLGHATCHCMD --run " + dir + "/s.vxs --registry " + registry + " --out " + dir + "/run.png");
  ASSERT_EQ(run.status, 0) << run.out;
  const CliResult plain = RunCli("dialog DLGHATCHCMD --out " + dir + "/plain.png");
  ASSERT_EQ(plain.status, 0) << plain.out;
  // Three items of 45 pixels on black, across most of the list's width.
  const long added = DarkPixels(dir + "/run.png") - DarkPixels(dir + "/plain.png");
  EXPECT_GT(added, 3L * kPreviewRowPixels * 100);
}

struct FailingRun {
  const char* label;
  const char* script;
  const char* says;
};

TEST(DialogRunPicture, ARunThatNeverShowsTheDialogOrFailsWritesNothing) {
  const FailingRun cases[] = {
      {"never shown", "LINE;0,0;1,1;;\n", "never showed the dialog DLGHATCHCMD"},
      {"script error", "VXHATCH\n{1044=NOSUCH}\n", "has no entry"},
  };
  for (const FailingRun& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string dir = ScratchDir(std::string("dialog-run-fails-") + (c.label[0] == 'n' ? "a" : "b"));
    WriteFile(dir + "/s.vxs", c.script);
    const CliResult r =
        RunCli("dialog DLGHATCHCMD --run " + dir + "/s.vxs --registry " + dir + "/r.sqlite3 --out " + dir + "/out.png");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find(c.says), std::string::npos) << r.out;
    EXPECT_FALSE(std::filesystem::exists(dir + "/out.png"));
  }
}

}  // namespace
}  // namespace vxtest
