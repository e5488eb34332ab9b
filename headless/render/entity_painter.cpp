#include "headless/render/entity_painter.h"

#include <cmath>
#include <cstring>

#include "headless/text_encoding.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

namespace {

constexpr double kStrokeWidth = 1.5;  // picture units
constexpr double kPointMark = 3.0;    // picture units
// Until font metrics are wired in, a text's box is this much of its height
// per character.
constexpr double kCharacterWidth = 0.6;

int KindOf(vx::Entity e) { return vx::GetI8(e, vx::kHdrKind); }

unsigned VertexCount(vx::Entity e) { return vx::GetU16(e, vx::kPolyCount); }

double VertexX(vx::Entity e, unsigned i) { return vx::GetF64(e, vx::kPolyVertices + i * vx::kVertexBytes); }
double VertexY(vx::Entity e, unsigned i) {
  return vx::GetF64(e, vx::kPolyVertices + i * vx::kVertexBytes + 8);
}

const char* TextOf(vx::Entity e) { return reinterpret_cast<const char*>(e + vx::kTextString); }

double TextHeight(vx::Entity e) { return vx::GetF32(e + vx::kTextSpec, vx::kSpecHeight); }

void AddTextExtents(vx::Entity e, Extents& extents) {
  const double x = vx::GetF64(e, vx::kTextX), y = vx::GetF64(e, vx::kTextY);
  const double h = TextHeight(e);
  const double w = h * kCharacterWidth * static_cast<double>(std::strlen(TextOf(e)));
  const double a = vx::GetF32(e + vx::kTextSpec, vx::kSpecAngle);
  const double c = std::cos(a), s = std::sin(a);
  extents.Add(x, y);
  extents.Add(x + w * c, y + w * s);
  extents.Add(x - h * s, y + h * c);
  extents.Add(x + w * c - h * s, y + w * s + h * c);
}

}  // namespace

void AddExtents(vx::Entity e, Extents& extents) {
  switch (KindOf(e)) {
    case vx::kKindPoint:
      extents.Add(vx::GetF64(e, vx::kPointX), vx::GetF64(e, vx::kPointY));
      break;
    case vx::kKindLine:
      extents.Add(vx::GetF64(e, vx::kLineX1), vx::GetF64(e, vx::kLineY1));
      extents.Add(vx::GetF64(e, vx::kLineX2), vx::GetF64(e, vx::kLineY2));
      break;
    case vx::kKindPath:
    case vx::kKindPolygon:
      for (unsigned i = 0; i < VertexCount(e); ++i) extents.Add(VertexX(e, i), VertexY(e, i));
      break;
    case vx::kKindCircle:
    case vx::kKindArc:
      extents.AddCircle(vx::GetF64(e, vx::kCircleX), vx::GetF64(e, vx::kCircleY),
                        vx::GetF64(e, vx::kCircleR));
      break;
    case vx::kKindText:
      AddTextExtents(e, extents);
      break;
    default:
      break;  // kinds the picture does not draw yet
  }
}

EntityPainter::EntityPainter(cairo_t* cr, const PictureFrame& frame) : cr_(cr), frame_(frame) {
  cairo_set_line_width(cr_, kStrokeWidth);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
}

void EntityPainter::Paint(vx::Entity e) {
  cairo_set_source_rgb(cr_, 0.05, 0.1, 0.3);
  switch (KindOf(e)) {
    case vx::kKindPoint: Point(e); break;
    case vx::kKindLine: Line(e); break;
    case vx::kKindPath: Polyline(e, false); break;
    case vx::kKindPolygon: Polyline(e, true); break;
    case vx::kKindCircle: Arc(e, true); break;
    case vx::kKindArc: Arc(e, false); break;
    case vx::kKindText: Text(e); break;
    default: break;
  }
}

void EntityPainter::Stroke() { cairo_stroke(cr_); }

void EntityPainter::Line(vx::Entity e) {
  cairo_move_to(cr_, frame_.X(vx::GetF64(e, vx::kLineX1)), frame_.Y(vx::GetF64(e, vx::kLineY1)));
  cairo_line_to(cr_, frame_.X(vx::GetF64(e, vx::kLineX2)), frame_.Y(vx::GetF64(e, vx::kLineY2)));
  Stroke();
}

void EntityPainter::Polyline(vx::Entity e, bool closed) {
  const unsigned count = VertexCount(e);
  if (count == 0) return;
  cairo_move_to(cr_, frame_.X(VertexX(e, 0)), frame_.Y(VertexY(e, 0)));
  for (unsigned i = 1; i < count; ++i) cairo_line_to(cr_, frame_.X(VertexX(e, i)), frame_.Y(VertexY(e, i)));
  if (closed) cairo_close_path(cr_);
  Stroke();
}

void EntityPainter::Arc(vx::Entity e, bool full_circle) {
  const double cx = frame_.X(vx::GetF64(e, vx::kCircleX));
  const double cy = frame_.Y(vx::GetF64(e, vx::kCircleY));
  const double r = vx::GetF64(e, vx::kCircleR) * frame_.scale;
  if (full_circle) {
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, cx, cy, r, 0, 2 * M_PI);
  } else {
    // The picture's y points down, so counter-clockwise drawing angles
    // become negative picture angles.
    const double start = vx::GetF64(e, vx::kArcStart);
    const double sweep = vx::GetF64(e, vx::kArcSweep);
    cairo_new_sub_path(cr_);
    cairo_arc_negative(cr_, cx, cy, r, -start, -(start + sweep));
  }
  Stroke();
}

void EntityPainter::Point(vx::Entity e) {
  const double x = frame_.X(vx::GetF64(e, vx::kPointX));
  const double y = frame_.Y(vx::GetF64(e, vx::kPointY));
  cairo_move_to(cr_, x - kPointMark, y);
  cairo_line_to(cr_, x + kPointMark, y);
  cairo_move_to(cr_, x, y - kPointMark);
  cairo_line_to(cr_, x, y + kPointMark);
  Stroke();
}

void EntityPainter::Text(vx::Entity e) {
  const double height = TextHeight(e) * frame_.scale;
  if (!(height > 0)) return;
  cairo_save(cr_);
  cairo_move_to(cr_, frame_.X(vx::GetF64(e, vx::kTextX)), frame_.Y(vx::GetF64(e, vx::kTextY)));
  cairo_rotate(cr_, -vx::GetF32(e + vx::kTextSpec, vx::kSpecAngle));
  cairo_select_font_face(cr_, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr_, height);
  cairo_show_text(cr_, Cp1252ToUtf8(TextOf(e)).c_str());
  cairo_restore(cr_);
}

}  // namespace vxh
