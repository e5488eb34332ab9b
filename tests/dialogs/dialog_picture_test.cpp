#include "headless/dialogs/dialog_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "headless/dialogs/template_library.h"
#include "headless/host_error.h"
#include "host/host_api.h"

namespace vxh::dialogs {
namespace {

namespace fs = std::filesystem;

fs::path PictureDir() {
  const fs::path dir = fs::temp_directory_path() / "vorlix_dialog_pictures";
  fs::create_directories(dir);
  return dir;
}

class EveryDialog : public ::testing::TestWithParam<std::string> {};

// A picture with its controls is far larger than an empty frame of the same
// size would be.
TEST_P(EveryDialog, IsDrawnAsAPicture) {
  const DialogTemplate* d = FindDialogTemplate(GetParam());
  if (d == nullptr) d = FindHostDialogTemplate(GetParam());
  ASSERT_NE(d, nullptr);
  const fs::path png = PictureDir() / (GetParam() + ".png");
  const fs::path svg = PictureDir() / (GetParam() + ".svg");
  DrawDialogPicture(*d, png.string());
  DrawDialogPicture(*d, svg.string());
  ASSERT_TRUE(fs::exists(png));
  EXPECT_GT(fs::file_size(png), 3000u);
  std::ifstream in(svg);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("<svg"), std::string::npos);
  EXPECT_GT(text.size(), 5000u);
}

INSTANTIATE_TEST_SUITE_P(Resources, EveryDialog, ::testing::ValuesIn(DialogTemplateNames()),
                         [](const auto& info) { return info.param; });
INSTANTIATE_TEST_SUITE_P(HostResources, EveryDialog, ::testing::ValuesIn(HostDialogTemplateNames()),
                         [](const auto& info) { return info.param; });

TEST(DialogPicture, RefusesOtherFormats) {
  EXPECT_THROW(DrawDialogPicture(*FindDialogTemplate("DLGSAVE"), (PictureDir() / "x.bmp").string()), BadInput);
}

// The pack's dialogs and the host's own.
TEST(DialogPicture, CliWritesThePicture) {
  const fs::path out = PictureDir() / "cli_dist.png";
  for (const char* name : {"IDD_DLGDIST", "HOSTEDIT"}) {
    fs::remove(out);
    const std::string command = std::string(VORLIX_CLI) + " dialog " + name + " --out " + out.string();
    EXPECT_EQ(std::system(command.c_str()), 0) << name;
    EXPECT_TRUE(fs::exists(out)) << name;
  }
  const std::string bad = std::string(VORLIX_CLI) + " dialog NOSUCH --out " + out.string() + " 2>/dev/null";
  EXPECT_EQ(WEXITSTATUS(std::system(bad.c_str())), 2);
}

// The host's editor is the host's: the pack cannot define it.
TEST(DialogPicture, HostDialogsAreNotThePacks) {
  EXPECT_EQ(FindDialogTemplate("HOSTEDIT"), nullptr);
  EXPECT_NE(FindHostDialogTemplate("HOSTEDIT"), nullptr);
  EXPECT_THROW(vx::DefDlg("HOSTEDIT", 0, 0, nullptr, 0, 0), HostFault);
}

}  // namespace
}  // namespace vxh::dialogs
