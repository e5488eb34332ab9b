#include "headless/dialogs/dialog_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "headless/dialogs/template_library.h"
#include "headless/host_error.h"

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

TEST(DialogPicture, RefusesOtherFormats) {
  EXPECT_THROW(DrawDialogPicture(*FindDialogTemplate("DLGSAVE"), (PictureDir() / "x.bmp").string()), BadInput);
}

TEST(DialogPicture, CliWritesThePicture) {
  const fs::path out = PictureDir() / "cli_dist.png";
  fs::remove(out);
  const std::string command = std::string(VORLIX_CLI) + " dialog IDD_DLGDIST --out " + out.string();
  EXPECT_EQ(std::system(command.c_str()), 0);
  EXPECT_TRUE(fs::exists(out));
  const std::string bad = std::string(VORLIX_CLI) + " dialog NOSUCH --out " + out.string() + " 2>/dev/null";
  EXPECT_EQ(WEXITSTATUS(std::system(bad.c_str())), 2);
}

}  // namespace
}  // namespace vxh::dialogs
