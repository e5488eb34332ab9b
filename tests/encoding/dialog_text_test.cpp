// Dialog texts are code page 1252; cairo stops drawing at the first string
// that is not UTF-8, so a title with an umlaut once blanked the whole picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "headless/dialogs/dialog_picture.h"
#include "headless/dialogs/template_library.h"

namespace vxh::dialogs {
namespace {

namespace fs = std::filesystem;

std::uintmax_t PictureBytes(const std::string& title, const std::string& name) {
  DialogTemplate d = *FindDialogTemplate("DLGSAVE");
  d.title = title;
  const fs::path dir = fs::temp_directory_path() / "vorlix_encoding_dialogs";
  fs::create_directories(dir);
  const fs::path png = dir / name;
  DrawDialogPicture(d, png.string());
  return fs::file_size(png);
}

TEST(DialogTextEncoding, ATitlePastAsciiLeavesTheControlsDrawn) {
  const std::uintmax_t ascii = PictureBytes("Groesse in Grad", "ascii.png");
  const std::uintmax_t cp1252 = PictureBytes(
      "Gr\xF6\xDF"
      "e in \xB0",
      "cp1252.png");
  EXPECT_GT(cp1252, ascii * 9 / 10) << "the controls after the title are missing";
}

}  // namespace
}  // namespace vxh::dialogs
