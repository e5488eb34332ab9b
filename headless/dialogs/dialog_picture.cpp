#include "headless/dialogs/dialog_picture.h"

#include <cairo-svg.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <vector>

#include "headless/ascii_case.h"
#include "headless/dialogs/dialog_units.h"
#include "headless/host_error.h"
#include "headless/text_encoding.h"

namespace vxh::dialogs {

namespace {

constexpr double kTitleHeight = 22.0;
constexpr double kBorder = 3.0;
constexpr double kFontPixels = 11.0;

struct Rgb {
  double r, g, b;
};
constexpr Rgb kFace{0.94, 0.94, 0.94};
constexpr Rgb kWhite{1.0, 1.0, 1.0};
constexpr Rgb kText{0.0, 0.0, 0.0};
constexpr Rgb kGreyText{0.43, 0.43, 0.43};
constexpr Rgb kShadow{0.63, 0.63, 0.63};
constexpr Rgb kTitle{0.0, 0.33, 0.6};
constexpr Rgb kLink{0.0, 0.0, 0.8};

struct Box {
  double x, y, w, h;
};

void Colour(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

Box Place(const ControlTemplate& c) {
  return Box{kBorder + c.x * kPixelsPerUnitX, kBorder + kTitleHeight + c.y * kPixelsPerUnitY,
             c.width * kPixelsPerUnitX, c.height * kPixelsPerUnitY};
}

// Windows shows "&L" as an underlined L; the picture shows the letter.
std::string Shown(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] != '&' || (i + 1 < text.size() && text[i + 1] == '&')) out += text[i];
  return out;
}

// Control texts are code page 1252; cairo takes UTF-8 and stops drawing
// altogether at a string that is not.
double TextWidth(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, Cp1252ToUtf8(text).c_str(), &e);
  return e.x_advance;
}

void Text(cairo_t* cr, const std::string& text, double x, double y, Rgb colour) {
  Colour(cr, colour);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, Cp1252ToUtf8(text).c_str());
}

// Greedy word wrap within the control's width.
void WrappedText(cairo_t* cr, const std::string& text, const Box& b, Rgb colour) {
  std::istringstream words(text);
  std::string line, word;
  double y = b.y + kFontPixels;
  while (words >> word) {
    const std::string candidate = line.empty() ? word : line + " " + word;
    if (!line.empty() && TextWidth(cr, candidate) > b.w) {
      Text(cr, line, b.x, y, colour);
      y += kFontPixels + 2;
      line = word;
    } else {
      line = candidate;
    }
  }
  if (!line.empty()) Text(cr, line, b.x, y, colour);
}

void Frame(cairo_t* cr, const Box& b, Rgb fill, Rgb edge) {
  cairo_rectangle(cr, b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1);
  Colour(cr, fill);
  cairo_fill_preserve(cr);
  Colour(cr, edge);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

void Button(cairo_t* cr, const ControlTemplate& c, const Box& b, Rgb text) {
  Frame(cr, b, kFace, c.default_button ? kText : kShadow);
  const std::string shown = Shown(c.text);
  Text(cr, shown, b.x + (b.w - TextWidth(cr, shown)) / 2, b.y + b.h / 2 + kFontPixels / 2 - 2, text);
}

void LinkButton(cairo_t* cr, const ControlTemplate& c, const Box& b) {
  const double base = b.y + b.h - 2;
  Text(cr, c.text, b.x, base, kLink);
  cairo_move_to(cr, b.x, base + 1.5);
  cairo_line_to(cr, b.x + TextWidth(cr, c.text), base + 1.5);
  cairo_stroke(cr);
}

void Mark(cairo_t* cr, const ControlTemplate& c, const Box& b, Rgb text) {
  const double size = 11.0, top = b.y + (b.h - size) / 2;
  if (c.kind == ControlKind::kRadio) {
    cairo_new_path(cr);  // no line from where the last text ended
    cairo_arc(cr, b.x + size / 2, top + size / 2, size / 2 - 0.5, 0, 6.2832);
    Colour(cr, kWhite);
    cairo_fill_preserve(cr);
    Colour(cr, kShadow);
    cairo_stroke(cr);
  } else {
    Frame(cr, Box{b.x, top, size, size}, kWhite, kShadow);
  }
  Text(cr, Shown(c.text), b.x + size + 4, top + size - 2, text);
}

void Group(cairo_t* cr, const ControlTemplate& c, const Box& b, Rgb text) {
  const double top = b.y + kFontPixels / 2;
  cairo_rectangle(cr, b.x + 0.5, top + 0.5, b.w - 1, b.h - (top - b.y) - 1);
  Colour(cr, kShadow);
  cairo_stroke(cr);
  const std::string shown = Shown(c.text);
  if (shown.empty()) return;
  cairo_rectangle(cr, b.x + 6, b.y, TextWidth(cr, shown) + 4, kFontPixels);
  Colour(cr, kFace);
  cairo_fill(cr);
  Text(cr, shown, b.x + 8, b.y + kFontPixels - 2, text);
}

void Combo(cairo_t* cr, const Box& b) {
  const Box field{b.x, b.y, b.w, std::min(b.h, 12 * kPixelsPerUnitY)};
  Frame(cr, field, kWhite, kShadow);
  const double ax = field.x + field.w - 10, ay = field.y + field.h / 2 - 2;
  cairo_move_to(cr, ax - 4, ay);
  cairo_line_to(cr, ax + 4, ay);
  cairo_line_to(cr, ax, ay + 4);
  cairo_close_path(cr);
  Colour(cr, kText);
  cairo_fill(cr);
}

void Control(cairo_t* cr, const ControlTemplate& c) {
  if (!c.Visible()) return;
  const Box b = Place(c);
  const Rgb text = c.Disabled() ? kGreyText : kText;
  switch (c.kind) {
    case ControlKind::kButton: return Button(cr, c, b, text);
    case ControlKind::kOwnerButton: return LinkButton(cr, c, b);
    case ControlKind::kCheck:
    case ControlKind::kRadio: return Mark(cr, c, b, text);
    case ControlKind::kGroup: return Group(cr, c, b, text);
    case ControlKind::kStatic: return WrappedText(cr, c.text, b, text);
    case ControlKind::kIcon: return Frame(cr, Box{b.x, b.y, 32, 32}, kShadow, kGreyText);
    case ControlKind::kEdit:
    case ControlKind::kList: return Frame(cr, b, c.Disabled() ? kFace : kWhite, kShadow);
    case ControlKind::kCombo: return Combo(cr, b);
  }
}

void Window(cairo_t* cr, const DialogTemplate& d, double width, double height) {
  Colour(cr, kFace);
  cairo_paint(cr);
  cairo_rectangle(cr, 0, 0, width, kTitleHeight + kBorder);
  Colour(cr, kTitle);
  cairo_fill(cr);
  cairo_set_font_size(cr, kFontPixels + 1);
  Text(cr, d.title, 8, kBorder + 15, kWhite);
  cairo_set_font_size(cr, kFontPixels);
  cairo_rectangle(cr, 0.5, 0.5, width - 1, height - 1);
  Colour(cr, kGreyText);
  cairo_stroke(cr);
}

void Draw(cairo_t* cr, const DialogTemplate& d, double width, double height) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  Window(cr, d, width, height);
  // Group boxes first, so that the controls inside them are drawn over them.
  for (const ControlTemplate& c : d.controls)
    if (c.kind == ControlKind::kGroup) Control(cr, c);
  for (const ControlTemplate& c : d.controls)
    if (c.kind != ControlKind::kGroup) Control(cr, c);
}

}  // namespace

void DrawDialogPicture(const DialogTemplate& d, const std::string& path) {
  const double width = d.width * kPixelsPerUnitX + 2 * kBorder;
  const double height = d.height * kPixelsPerUnitY + kTitleHeight + 2 * kBorder;
  WriteInterfacePicture(path, width, height, [&](cairo_t* cr) { Draw(cr, d, width, height); });
}

void WriteInterfacePicture(const std::string& path, double width, double height,
                           const std::function<void(cairo_t*)>& draw) {
  const bool svg = vxh::HasExtension(path, ".svg");
  if (!svg && !vxh::HasExtension(path, ".png")) throw BadInput("a picture of the interface is a .png or .svg file, not " + path);
  cairo_surface_t* surface =
      svg ? cairo_svg_surface_create(path.c_str(), width, height)
          : cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
  cairo_t* cr = cairo_create(surface);
  draw(cr);
  cairo_destroy(cr);
  cairo_status_t status = CAIRO_STATUS_SUCCESS;
  if (!svg) status = cairo_surface_write_to_png(surface, path.c_str());
  cairo_surface_finish(surface);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  // The toy font API keeps fonts and fontconfig's configuration for the life
  // of the process; release them so that a picture leaves nothing behind
  // (both come back on the next use).
  cairo_debug_reset_static_data();
  FcFini();
  if (status != CAIRO_STATUS_SUCCESS) throw BadInput("cannot write the picture " + path);
}

}  // namespace vxh::dialogs
