#include "headless/dialogs/dialog_picture.h"

#include <cairo-svg.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

#include "headless/ascii_case.h"
#include "headless/dialogs/dialog_font.h"
#include "headless/dialogs/dialog_units.h"
#include "headless/dialogs/icon_library.h"
#include "headless/host_error.h"
#include "headless/text_encoding.h"

namespace vxh::dialogs {

namespace {

constexpr double kTitleHeight = 22.0;
constexpr double kBorder = 3.0;
constexpr double kLineGap = 2.0;
constexpr double kMarkSize = 11.0;
constexpr double kListRowHeight = 13.0;

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
constexpr Rgb kHighlight{0.0, 0.47, 0.84};

struct Box {
  double x, y, w, h;
};

void Colour(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

Box Place(const ControlTemplate& c) {
  return Box{kBorder + c.x * kPixelsPerUnitX, kBorder + kTitleHeight + c.y * kPixelsPerUnitY, c.width * kPixelsPerUnitX,
             c.height * kPixelsPerUnitY};
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

double Ascent(cairo_t* cr) {
  cairo_font_extents_t e;
  cairo_font_extents(cr, &e);
  return e.ascent;
}

void Text(cairo_t* cr, const std::string& text, double x, double y, Rgb colour) {
  Colour(cr, colour);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, Cp1252ToUtf8(text).c_str());
  cairo_new_path(cr);
}

// Greedy word wrap within the control's width; what runs past its height is
// cut, as a static control cuts it.
void WrappedText(cairo_t* cr, const std::string& text, const Box& b, Rgb colour) {
  cairo_save(cr);
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  cairo_clip(cr);
  std::istringstream words(text);
  std::string line, word;
  const double step = kDialogFontPixels + kLineGap;
  double y = b.y + Ascent(cr);
  while (words >> word) {
    const std::string candidate = line.empty() ? word : line + " " + word;
    if (!line.empty() && TextWidth(cr, candidate) > b.w) {
      Text(cr, line, b.x, y, colour);
      y += step;
      line = word;
    } else {
      line = candidate;
    }
  }
  if (!line.empty()) Text(cr, line, b.x, y, colour);
  cairo_restore(cr);
}

void Frame(cairo_t* cr, const Box& b, Rgb fill, Rgb edge) {
  cairo_rectangle(cr, b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1);
  Colour(cr, fill);
  cairo_fill_preserve(cr);
  Colour(cr, edge);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

void Button(cairo_t* cr, const ControlTemplate& c, const ControlLook& look, const Box& b, Rgb text) {
  Frame(cr, b, kFace, c.default_button ? kText : kShadow);
  const std::string shown = Shown(look.text);
  Text(cr, shown, b.x + (b.w - TextWidth(cr, shown)) / 2, b.y + (b.h + Ascent(cr)) / 2 - 1, text);
}

void LinkButton(cairo_t* cr, const ControlLook& look, const Box& b) {
  const double base = b.y + b.h - 2;
  Text(cr, look.text, b.x, base, kLink);
  cairo_move_to(cr, b.x, base + 1.5);
  cairo_line_to(cr, b.x + TextWidth(cr, look.text), base + 1.5);
  cairo_stroke(cr);
}

void Tick(cairo_t* cr, double x, double top, Rgb colour) {
  cairo_move_to(cr, x + 2.5, top + 5.5);
  cairo_line_to(cr, x + 4.5, top + 8);
  cairo_line_to(cr, x + 8.5, top + 3);
  Colour(cr, colour);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1.0);
}

void Mark(cairo_t* cr, const ControlTemplate& c, const ControlLook& look, const Box& b, Rgb text) {
  const double top = b.y + (b.h - kMarkSize) / 2;
  const double centre = kMarkSize / 2;
  if (c.kind == ControlKind::kRadio) {
    cairo_new_path(cr);  // no line from where the last text ended
    cairo_arc(cr, b.x + centre, top + centre, centre - 0.5, 0, 6.2832);
    Colour(cr, kWhite);
    cairo_fill_preserve(cr);
    Colour(cr, kShadow);
    cairo_stroke(cr);
    if (look.checked) {
      cairo_arc(cr, b.x + centre, top + centre, 2.5, 0, 6.2832);
      Colour(cr, text);
      cairo_fill(cr);
    }
  } else {
    Frame(cr, Box{b.x, top, kMarkSize, kMarkSize}, look.enabled ? kWhite : kFace, kShadow);
    if (look.checked) Tick(cr, b.x, top, text);
  }
  Text(cr, Shown(look.text), b.x + kMarkSize + 4, top + (kMarkSize + Ascent(cr)) / 2 - 1, text);
}

void Group(cairo_t* cr, const ControlLook& look, const Box& b, Rgb text) {
  const double top = b.y + kDialogFontPixels / 2;
  cairo_rectangle(cr, b.x + 0.5, top + 0.5, b.w - 1, b.h - (top - b.y) - 1);
  Colour(cr, kShadow);
  cairo_stroke(cr);
  const std::string shown = Shown(look.text);
  if (shown.empty()) return;
  cairo_rectangle(cr, b.x + 6, b.y, TextWidth(cr, shown) + 4, kDialogFontPixels);
  Colour(cr, kFace);
  cairo_fill(cr);
  Text(cr, shown, b.x + 8, b.y + Ascent(cr) - 1, text);
}

void Combo(cairo_t* cr, const ControlLook& look, const Box& b, Rgb text) {
  const Box field{b.x, b.y, b.w, std::min(b.h, 12 * kPixelsPerUnitY)};
  Frame(cr, field, look.enabled ? kWhite : kFace, kShadow);
  const double ax = field.x + field.w - 10, ay = field.y + field.h / 2 - 2;
  cairo_move_to(cr, ax - 4, ay);
  cairo_line_to(cr, ax + 4, ay);
  cairo_line_to(cr, ax, ay + 4);
  cairo_close_path(cr);
  Colour(cr, kText);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_rectangle(cr, field.x, field.y, field.w - 20, field.h);
  cairo_clip(cr);
  Text(cr, look.text, field.x + 3, field.y + (field.h + Ascent(cr)) / 2 - 1, text);
  cairo_restore(cr);
}

void Edit(cairo_t* cr, const ControlLook& look, const Box& b, Rgb text) {
  Frame(cr, b, look.enabled ? kWhite : kFace, kShadow);
  cairo_save(cr);
  cairo_rectangle(cr, b.x + 1, b.y + 1, b.w - 2, b.h - 2);
  cairo_clip(cr);
  Text(cr, look.text, b.x + 3, b.y + std::min(b.h, 12 * kPixelsPerUnitY) / 2 + Ascent(cr) / 2 - 1, text);
  cairo_restore(cr);
}

void List(cairo_t* cr, const ControlLook& look, const Box& b, Rgb text) {
  Frame(cr, b, look.enabled ? kWhite : kFace, kShadow);
  cairo_save(cr);
  cairo_rectangle(cr, b.x + 1, b.y + 1, b.w - 2, b.h - 2);
  cairo_clip(cr);
  for (std::size_t i = 0; i < look.entries.size(); ++i) {
    const double top = b.y + 1 + static_cast<double>(i) * kListRowHeight;
    if (top > b.y + b.h) break;
    const bool selected = static_cast<int>(i) == look.selection;
    if (selected) {
      cairo_rectangle(cr, b.x + 1, top, b.w - 2, kListRowHeight);
      Colour(cr, kHighlight);
      cairo_fill(cr);
    }
    Text(cr, look.entries[i], b.x + 3, top + (kListRowHeight + Ascent(cr)) / 2 - 1, selected ? kWhite : text);
  }
  cairo_restore(cr);
}

// The surface owns its pixels: a recording (SVG) surface or the next source
// may read them after this function has returned.
void Icon(cairo_t* cr, const ControlTemplate& c, const Box& b) {
  const std::optional<IconImage> icon = ResourceIcon(c.text);
  if (!icon) return Frame(cr, Box{b.x, b.y, 32, 32}, kShadow, kGreyText);
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, icon->width, icon->height);
  if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) return cairo_surface_destroy(image);
  cairo_surface_flush(image);
  unsigned char* data = cairo_image_surface_get_data(image);
  const auto stride = static_cast<std::size_t>(cairo_image_surface_get_stride(image));
  const auto width = static_cast<std::size_t>(icon->width);
  for (std::size_t y = 0; y < static_cast<std::size_t>(icon->height); ++y)
    std::memcpy(data + y * stride, icon->pixels.data() + y * width, 4 * width);
  cairo_surface_mark_dirty(image);
  cairo_set_source_surface(cr, image, std::round(b.x), std::round(b.y));
  cairo_paint(cr);
  cairo_surface_destroy(image);
}

void Control(cairo_t* cr, const ControlTemplate& c, const ControlLook& look, const OwnerPaint& paint) {
  if (!look.visible) return;
  const Box b = Place(c);
  const Rgb text = look.enabled ? kText : kGreyText;
  switch (c.kind) {
    case ControlKind::kButton: return Button(cr, c, look, b, text);
    case ControlKind::kOwnerButton: return LinkButton(cr, look, b);
    case ControlKind::kCheck:
    case ControlKind::kRadio: return Mark(cr, c, look, b, text);
    case ControlKind::kGroup: return Group(cr, look, b, text);
    case ControlKind::kStatic: return WrappedText(cr, look.text, b, text);
    case ControlKind::kIcon: return Icon(cr, c, b);
    case ControlKind::kEdit: return Edit(cr, look, b, text);
    case ControlKind::kList:
      if (c.OwnerDrawn() && paint) {
        Frame(cr, b, kWhite, kShadow);
        return paint(cr, c, kBorder, kBorder + kTitleHeight);
      }
      return List(cr, look, b, text);
    case ControlKind::kCombo: return Combo(cr, look, b, text);
  }
}

void Window(cairo_t* cr, const DialogTemplate& d, double width, double height) {
  Colour(cr, kFace);
  cairo_paint(cr);
  cairo_rectangle(cr, 0, 0, width, kTitleHeight + kBorder);
  Colour(cr, kTitle);
  cairo_fill(cr);
  cairo_set_font_size(cr, kDialogFontPixels + 1);
  Text(cr, d.title, 8, kBorder + 15, kWhite);
  cairo_set_font_size(cr, kDialogFontPixels);
  cairo_rectangle(cr, 0.5, 0.5, width - 1, height - 1);
  Colour(cr, kGreyText);
  cairo_stroke(cr);
}

void Draw(cairo_t* cr, const DialogTemplate& d, double width, double height,
          const std::function<ControlLook(const ControlTemplate&)>& look, const OwnerPaint& paint) {
  SelectDialogFont(cr);
  Window(cr, d, width, height);
  // Group boxes first, so that the controls inside them are drawn over them.
  for (const ControlTemplate& c : d.controls)
    if (c.kind == ControlKind::kGroup) Control(cr, c, look(c), paint);
  for (const ControlTemplate& c : d.controls)
    if (c.kind != ControlKind::kGroup) Control(cr, c, look(c), paint);
}

}  // namespace

ControlLook TemplateLook(const ControlTemplate& c) {
  ControlLook look;
  look.visible = c.Visible();
  look.enabled = !c.Disabled();
  look.text = c.text;
  return look;
}

void DrawDialogPicture(const DialogTemplate& d, const std::string& path) {
  DrawDialogPicture(d, TemplateLook, nullptr, path);
}

void DrawDialogPicture(const DialogTemplate& d, const std::function<ControlLook(const ControlTemplate&)>& look,
                       const OwnerPaint& paint, const std::string& path) {
  const double width = d.width * kPixelsPerUnitX + 2 * kBorder;
  const double height = d.height * kPixelsPerUnitY + kTitleHeight + 2 * kBorder;
  WriteInterfacePicture(path, width, height, [&](cairo_t* cr) { Draw(cr, d, width, height, look, paint); });
}

void WriteInterfacePicture(const std::string& path, double width, double height,
                           const std::function<void(cairo_t*)>& draw) {
  const bool svg = vxh::HasExtension(path, ".svg");
  if (!svg && !vxh::HasExtension(path, ".png"))
    throw BadInput("a picture of the interface is a .png or .svg file, not " + path);
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
