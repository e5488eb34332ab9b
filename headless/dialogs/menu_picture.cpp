#include "headless/dialogs/menu_picture.h"

#include <cairo.h>

#include <algorithm>

#include "headless/dialogs/dialog_picture.h"
#include "headless/text_encoding.h"

namespace vxh::dialogs {

namespace {

constexpr double kItemHeight = 22.0;
constexpr double kSeparatorHeight = 9.0;
constexpr double kTextIndent = 26.0;
constexpr double kRightMargin = 30.0;
constexpr double kSmallestWidth = 120.0;
constexpr double kBorder = 3.0;
constexpr double kFontPixels = 12.0;

double RowHeight(const MenuLine& line) { return line.separator ? kSeparatorHeight : kItemHeight; }

void SetFont(cairo_t* cr) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, kFontPixels);
}

double WidestText(const std::vector<MenuLine>& lines) {
  cairo_surface_t* probe = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
  cairo_t* cr = cairo_create(probe);
  SetFont(cr);
  double widest = 0;
  for (const MenuLine& line : lines) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, Cp1252ToUtf8(line.text).c_str(), &e);
    widest = std::max(widest, e.x_advance);
  }
  cairo_destroy(cr);
  cairo_surface_destroy(probe);
  return widest;
}

void DrawBox(cairo_t* cr, double width, double height) {
  cairo_set_source_rgb(cr, 0.94, 0.94, 0.94);
  cairo_paint(cr);
  cairo_set_line_width(cr, 1.0);
  cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
  cairo_rectangle(cr, 0.5, 0.5, width - 1, height - 1);
  cairo_stroke(cr);
}

void DrawRows(cairo_t* cr, const std::vector<MenuLine>& lines, double width) {
  SetFont(cr);
  double y = kBorder;
  for (const MenuLine& line : lines) {
    if (line.separator) {
      cairo_set_source_rgb(cr, 0.7, 0.7, 0.7);
      cairo_move_to(cr, kBorder + 2, y + kSeparatorHeight / 2 + 0.5);
      cairo_line_to(cr, width - kBorder - 2, y + kSeparatorHeight / 2 + 0.5);
      cairo_stroke(cr);
    } else {
      cairo_set_source_rgb(cr, 0, 0, 0);
      cairo_move_to(cr, kTextIndent, y + kItemHeight / 2 + kFontPixels / 3);
      cairo_show_text(cr, Cp1252ToUtf8(line.text).c_str());
    }
    y += RowHeight(line);
  }
}

}  // namespace

void DrawMenuPicture(const std::vector<MenuLine>& lines, const std::string& path) {
  double height = 2 * kBorder;
  for (const MenuLine& line : lines) height += RowHeight(line);
  const double width = std::max(kSmallestWidth, kTextIndent + WidestText(lines) + kRightMargin);
  WriteInterfacePicture(path, width, height, [&](cairo_t* cr) {
    DrawBox(cr, width, height);
    DrawRows(cr, lines, width);
  });
}

}  // namespace vxh::dialogs
