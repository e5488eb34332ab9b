#include "headless/render/figure_painter.h"

#include <algorithm>
#include <cmath>

#include "headless/render/path_builder.h"
#include "headless/render/stroke_glyphs.h"
#include "headless/render/text_layout.h"
#include "headless/render/truetype_glyphs.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

namespace {

constexpr double kPointMark = 4.0;   // pixels from the point to the end of each arm
constexpr double kHatchWidth = 1.0;  // pixels
// Stroke-font texts are drawn with a pen that grows with the text, within limits.
constexpr double kTextPenPerHeight = 0.08;
constexpr double kThinnestTextPen = 0.6;
constexpr double kThickestTextPen = 2.5;
// A stroke font whose file is missing is drawn in this TrueType face.
constexpr const char* kStandInFace = "DejaVu Sans";

void SetColour(cairo_t* cr, const Rgb& c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

// How much a placement enlarges lengths, for pen widths that follow the text.
double PlacementScale(const Matrix& m) { return std::sqrt(std::fabs(PlaneDeterminant(m))); }

}  // namespace

EntityLook LookOf(vx::Entity e, const PictureStyles& styles, const PictureFrame& frame) {
  EntityLook look;
  const std::uint16_t layer = vx::GetU16(e, vx::kHdrLayer);
  look.colour = PenColour(vx::GetU32(e, vx::kHdrAttr6), styles.LayerColourIndex(layer), layer);
  const std::uint32_t fill_pen = vx::GetU32(e, vx::kHdrAttr10);
  look.fill_colour =
      (fill_pen & 0xFFFFFF) != 0 ? PenColour(fill_pen, styles.LayerColourIndex(layer), layer) : look.colour;
  look.width = PenWidth(vx::GetU8(e, vx::kHdrAttrByte));
  look.dashes = CairoDashes(styles.LineDashes(vx::GetU16(e, vx::kHdrLineStyle)),
                            DashUnitPixels(frame.scale, styles.LineStyleScale()));
  look.fill = styles.Fill(vx::GetU16(e, vx::kHdrFillStyle));
  return look;
}

FigurePainter::FigurePainter(cairo_t* cr, const PictureFrame& frame, const PictureStyles& styles)
    : cr_(cr), frame_(frame), styles_(styles) {
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
}

Matrix FigurePainter::ToPicture(const Matrix& placement) const {
  Matrix frame = Identity();
  frame[0] = frame_.scale, frame[3] = frame_.offset_x;
  frame[5] = -frame_.scale, frame[7] = frame_.offset_y;
  return Compose(placement, frame);
}

void FigurePainter::Paint(const Figure& figure, const EntityLook& look, const Matrix& placement) {
  if (figure.outline) {
    if (look.fill && figure.outline->Closed()) Hatch({&*figure.outline}, look, placement);
    Outline(*figure.outline, look, placement);
  }
  Arrows(figure, look, placement);
  if (figure.point) PointMark(*figure.point, look, placement);
  for (const TextRun& run : figure.texts) Text(run, look, placement);
}

void FigurePainter::Stroke(const EntityLook& look, double width, bool dashed) {
  SetColour(cr_, look.colour);
  cairo_set_line_width(cr_, width);
  if (dashed && !look.dashes.empty())
    cairo_set_dash(cr_, look.dashes.data(), static_cast<int>(look.dashes.size()), 0);
  else
    cairo_set_dash(cr_, nullptr, 0, 0);
  cairo_stroke(cr_);
}

void FigurePainter::StrokePlain(const Rgb& colour, double width) {
  SetColour(cr_, colour);
  cairo_set_line_width(cr_, width);
  cairo_set_dash(cr_, nullptr, 0, 0);
  cairo_stroke(cr_);
}

void FigurePainter::Outline(const Shape& shape, const EntityLook& look, const Matrix& placement) {
  PathBuilder path(cr_, ToPicture(placement));
  path.AddShape(shape);
  if (!path.Usable()) return cairo_new_path(cr_);
  Stroke(look, look.width, true);
}

void FigurePainter::FillRegion(const std::vector<Shape>& outlines, const EntityLook& look, const Matrix& placement) {
  if (look.fill == nullptr || outlines.empty()) return;
  std::vector<const Shape*> shapes;
  for (const Shape& s : outlines) shapes.push_back(&s);
  Hatch(shapes, look, placement);
}

// The hatch lines are laid in the entity's coordinates over the outlines' box
// and cut to them by an even-odd clip, so islands stay clear. A fill style
// without line families is a solid fill (a DXF SOLID or solid HATCH).
void FigurePainter::Hatch(const std::vector<const Shape*>& shapes, const EntityLook& look, const Matrix& placement) {
  PathBuilder outline(cr_, ToPicture(placement));
  Box2 bounds;
  for (const Shape* shape : shapes) {
    outline.AddShape(*shape);
    bounds.Add(shape->Bounds());
  }
  if (!outline.Usable()) return cairo_new_path(cr_);
  if (look.fill->solid) {
    SetColour(cr_, look.fill_colour);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr_);
    return;
  }
  cairo_save(cr_);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_clip(cr_);
  PathBuilder lines(cr_, ToPicture(placement));
  for (const Segment& s : HatchSegments(*look.fill, bounds)) {
    lines.MoveTo(s.first);
    lines.LineTo(s.second);
  }
  if (lines.Usable())
    StrokePlain(look.fill_colour, kHatchWidth);
  else
    cairo_new_path(cr_);
  cairo_restore(cr_);
}

void FigurePainter::Arrows(const Figure& figure, const EntityLook& look, const Matrix& placement) {
  if (figure.arrows.empty()) return;
  PathBuilder path(cr_, ToPicture(placement));
  for (const auto& arrow : figure.arrows) {
    path.MoveTo(arrow[0]);
    path.LineTo(arrow[1]);
    path.LineTo(arrow[2]);
    path.Close();
  }
  if (!path.Usable()) return cairo_new_path(cr_);
  SetColour(cr_, look.colour);
  cairo_fill(cr_);
}

void FigurePainter::PointMark(const P2& point, const EntityLook& look, const Matrix& placement) {
  double x = point.x, y = point.y;
  Apply2(ToPicture(placement), x, y);
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  cairo_move_to(cr_, x - kPointMark, y);
  cairo_line_to(cr_, x + kPointMark, y);
  cairo_move_to(cr_, x, y - kPointMark);
  cairo_line_to(cr_, x, y + kPointMark);
  Stroke(look, look.width, false);
}

void FigurePainter::Text(const TextRun& run, const EntityLook& look, const Matrix& placement) {
  if (!(run.height > 0) || run.text.empty()) return;
  const FontChoice font = styles_.Font(run.font);
  const StrokeFont* strokes = font.type == vx::kFontTrueType ? nullptr : StrokeFontNamed(font.name);
  const std::string face = font.type == vx::kFontTrueType ? font.name : kStandInFace;
  const Matrix text_to_picture = ToPicture(Compose(TextFrame(run), placement));
  for (const LaidLine& line : LayOutText(run, font).lines) {
    PathBuilder path(cr_, Compose(Translation(line.x, line.y, 0), text_to_picture));
    if (strokes)
      AddStrokeLine(path, *strokes, line.text, run.height, run.width_factor);
    else
      AddTrueTypeLine(path, face, run.style_bits, line.text, run.height, run.width_factor);
    if (!path.Usable())
      cairo_new_path(cr_);
    else
      InkText(run, look, placement, strokes != nullptr);
  }
}

// Strokes are drawn with a pen that follows the text's size; outlines are
// filled, or stroked thinly for the outline style.
void FigurePainter::InkText(const TextRun& run, const EntityLook& look, const Matrix& placement, bool strokes) {
  if (strokes) {
    const double pixels = run.height * frame_.scale * PlacementScale(placement);
    Stroke(look, std::clamp(pixels * kTextPenPerHeight, kThinnestTextPen, kThickestTextPen), false);
  } else if (run.style_bits & vx::kStyleOutline) {
    Stroke(look, kThinnestTextPen, false);
  } else {
    SetColour(cr_, look.colour);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr_);
  }
}

}  // namespace vxh
