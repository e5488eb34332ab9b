#include "headless/dialogs/dialog_font.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <cstring>
#include <filesystem>

namespace vxh::dialogs {

namespace {

constexpr char kDialogFamily[] = "MS Sans Serif";
// Where Debian's fonts-wine puts the face; fontconfig does not index it.
constexpr std::array<const char*, 2> kDialogFaceFiles{"/usr/share/wine/fonts/ms_sans_serif.ttf",
                                                      "/usr/share/fonts/truetype/wine/ms_sans_serif.ttf"};
constexpr char kFallbackFamily[] = "Liberation Sans";

// Whether the running configuration's application fonts hold the file.
bool AlreadyAdded(FcConfig* config, const char* file) {
  const FcFontSet* added = FcConfigGetFonts(config, FcSetApplication);
  if (added == nullptr) return false;
  for (int i = 0; i < added->nfont; ++i) {
    FcChar8* path = nullptr;
    if (FcPatternGetString(added->fonts[i], FC_FILE, 0, &path) == FcResultMatch &&
        std::strcmp(reinterpret_cast<const char*>(path), file) == 0)
      return true;
  }
  return false;
}

// True when fontconfig now knows the dialog family, adding the face file to
// the running configuration (once) when it is not indexed.
bool DialogFaceAvailable() {
  FcConfig* config = FcConfigGetCurrent();
  for (const char* file : kDialogFaceFiles) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) continue;
    if (AlreadyAdded(config, file)) return true;
    if (FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(file)) == FcTrue) return true;
  }
  return false;
}

}  // namespace

void SelectDialogFont(cairo_t* cr, double pixels) {
  const char* family = DialogFaceAvailable() ? kDialogFamily : kFallbackFamily;
  cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, pixels);
}

}  // namespace vxh::dialogs
