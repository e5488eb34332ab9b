#include "headless/dialogs/running_picture.h"

#include <cairo.h>

#include <algorithm>

#include "headless/dialogs/dialog_font.h"
#include "headless/dialogs/dialog_picture.h"
#include "headless/dialogs/dialog_units.h"
#include "headless/render/entity_painter.h"
#include "headless/render/picture_frame.h"
#include "headless/text_encoding.h"
#include "host/entity_layout.h"

namespace vxh::dialogs {

namespace {

constexpr double kShadowGrey = 0.5;
constexpr double kViewLineWidth = 1.0;

void Colour(cairo_t* cr, COLORREF c) {
  cairo_set_source_rgb(cr, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0);
}

struct Origin {
  double left, top;
};

void Rectangle(cairo_t* cr, const RECT& r, Origin o) {
  cairo_rectangle(cr, o.left + r.left, o.top + r.top, r.right - r.left, r.bottom - r.top);
}

void PaintFill(cairo_t* cr, const win::PaintOp& op, Origin o) {
  Rectangle(cr, op.rect, o);
  Colour(cr, op.colour);
  cairo_fill(cr);
}

// A sunken edge: shadow along the top and left, light along the bottom and right.
void PaintEdge(cairo_t* cr, const win::PaintOp& op, Origin o) {
  const double l = o.left + op.rect.left + 0.5, t = o.top + op.rect.top + 0.5;
  const double r = o.left + op.rect.right - 0.5, b = o.top + op.rect.bottom - 0.5;
  cairo_set_line_width(cr, 1.0);
  cairo_move_to(cr, l, b);
  cairo_line_to(cr, l, t);
  cairo_line_to(cr, r, t);
  cairo_set_source_rgb(cr, kShadowGrey, kShadowGrey, kShadowGrey);
  cairo_stroke(cr);
  cairo_move_to(cr, r, t);
  cairo_line_to(cr, r, b);
  cairo_line_to(cr, l, b);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_stroke(cr);
}

void PaintText(cairo_t* cr, const win::PaintOp& op, Origin o) {
  cairo_font_extents_t font;
  cairo_font_extents(cr, &font);
  double base = op.rect.top + font.ascent;
  if ((op.format & DT_SINGLELINE) != 0 && (op.format & DT_VCENTER) != 0)
    base = (op.rect.top + op.rect.bottom + font.ascent - font.descent) / 2;
  if ((op.format & DT_SINGLELINE) != 0 && (op.format & DT_BOTTOM) != 0) base = op.rect.bottom - font.descent;
  const std::string text = Cp1252ToUtf8(op.text);
  if (!op.transparent) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    cairo_rectangle(cr, o.left + op.rect.left, o.top + base - font.ascent, e.x_advance, font.height);
    Colour(cr, op.background);
    cairo_fill(cr);
  }
  Colour(cr, op.colour);
  cairo_move_to(cr, o.left + op.rect.left, o.top + base);
  cairo_show_text(cr, text.c_str());
  cairo_new_path(cr);
}

// The view's visible area fitted into its rectangle, centred on the origin.
void PaintView(cairo_t* cr, const win::PaintOp& op, Origin o, const PictureStyles& styles) {
  const double w = op.rect.right - op.rect.left, h = op.rect.bottom - op.rect.top;
  if (!(op.view_width > 0) || !(op.view_height > 0) || w <= 0 || h <= 0) return;
  cairo_save(cr);
  Rectangle(cr, op.rect, o);
  cairo_clip(cr);
  PictureFrame frame;
  frame.scale = std::min(w / op.view_width, h / op.view_height);
  frame.offset_x = o.left + op.rect.left + w / 2;
  frame.offset_y = o.top + op.rect.top + h / 2;
  frame.width = w;
  frame.height = h;
  cairo_set_line_width(cr, kViewLineWidth);
  EntityPainter painter(cr, frame, styles);
  for (const screen::Primitive& p : op.primitives) {
    if (p.kind == screen::PrimitiveKind::kEntity && p.record.size() >= vx::kHeaderBytes) {
      painter.Paint(const_cast<std::uint8_t*>(p.record.data()));
      for (const screen::PlacedRecord& m : p.members)
        painter.Paint(const_cast<std::uint8_t*>(m.record.data()), m.placement);
    } else if (p.kind == screen::PrimitiveKind::kLine && p.points.size() >= (p.three_d ? 6u : 4u)) {
      const std::size_t d = p.three_d ? 3 : 2;
      cairo_move_to(cr, frame.X(p.points[0]), frame.Y(p.points[1]));
      cairo_line_to(cr, frame.X(p.points[d]), frame.Y(p.points[d + 1]));
      cairo_set_source_rgb(cr, 1, 1, 1);
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);
}

void PaintControl(cairo_t* cr, const vx::Dlg& d, const ControlTemplate& c, double left, double top,
                  const PictureStyles& styles) {
  const auto it = d.painted.find(c.id);
  if (it == d.painted.end()) return;
  const Origin o{left, top};
  cairo_save(cr);
  cairo_rectangle(cr, left + UnitsToPixelsX(c.x), top + UnitsToPixelsY(c.y), UnitsToPixelsX(c.width),
                  UnitsToPixelsY(c.height));
  cairo_clip(cr);
  SelectDialogFont(cr);
  for (const win::PaintOp& op : it->second) {
    switch (op.kind) {
      case win::PaintKind::kFill: PaintFill(cr, op, o); break;
      case win::PaintKind::kEdge: PaintEdge(cr, op, o); break;
      case win::PaintKind::kText: PaintText(cr, op, o); break;
      case win::PaintKind::kView: PaintView(cr, op, o, styles); break;
    }
  }
  cairo_restore(cr);
}

ControlLook LookOf(const vx::Dlg& d, const ControlTemplate& c) {
  const auto it = d.controls.find(c.id);
  if (c.id == kNoId || it == d.controls.end()) return TemplateLook(c);
  const ControlState& state = it->second;
  ControlLook look;
  look.visible = state.visible;
  look.enabled = state.enabled;
  look.checked = state.checked;
  look.text = state.text;
  for (const ListEntry& e : state.entries) look.entries.push_back(e.text);
  look.selection = state.selection;
  return look;
}

}  // namespace

void DrawRunningDialog(const vx::Dlg& d, const PictureStyles& styles, const std::string& path) {
  DrawDialogPicture(
      *d.tpl, [&](const ControlTemplate& c) { return LookOf(d, c); },
      [&](cairo_t* cr, const ControlTemplate& c, double left, double top) {
        PaintControl(cr, d, c, left, top, styles);
      },
      path);
}

}  // namespace vxh::dialogs
