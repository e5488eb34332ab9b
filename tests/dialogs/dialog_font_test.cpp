// The dialog pictures' font has the metrics the templates were laid out for:
// every one-line label of every template fits the room its control gives it,
// as it does on the host.
#include "headless/dialogs/dialog_font.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <string>

#include "headless/dialogs/dialog_units.h"
#include "headless/dialogs/template_library.h"
#include "headless/text_encoding.h"

namespace vxh::dialogs {
namespace {

// A one-line control is at most this tall in dialog units.
constexpr int kOneLine = 10;
// A radio button's or check box's mark and the gap after it, in pixels.
constexpr double kMarkRoom = 11 + 4;

std::string Shown(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;  // the mnemonic marker
    out += text[i];
  }
  return out;
}

class Measure {
 public:
  Measure() : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8)), cr_(cairo_create(surface_)) {
    SelectDialogFont(cr_);
  }
  ~Measure() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }
  Measure(const Measure&) = delete;
  Measure& operator=(const Measure&) = delete;

  double Width(const std::string& text) {
    cairo_text_extents_t e;
    cairo_text_extents(cr_, Cp1252ToUtf8(text).c_str(), &e);
    return e.x_advance;
  }

 private:
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

TEST(DialogFont, EveryOneLineLabelFitsItsControl) {
  Measure measure;
  int labels = 0;
  for (const std::string& name : DialogTemplateNames()) {
    const DialogTemplate* d = FindDialogTemplate(name);
    ASSERT_NE(d, nullptr);
    for (const ControlTemplate& c : d->controls) {
      if (c.height > kOneLine || c.text.empty()) continue;
      double room = 0;
      switch (c.kind) {
        case ControlKind::kStatic: room = c.width * kPixelsPerUnitX; break;
        case ControlKind::kRadio:
        case ControlKind::kCheck: room = c.width * kPixelsPerUnitX - kMarkRoom; break;
        default: continue;
      }
      ++labels;
      EXPECT_LE(measure.Width(Shown(c.text)), room) << name << " control " << c.id << " \"" << c.text << "\"";
    }
  }
  EXPECT_GT(labels, 50) << "the templates' labels were not found";
}

}  // namespace
}  // namespace vxh::dialogs
