// Paints figures into a cairo picture: outlines with the entity's pen
// (colour, width, line style dashes), line-family fill styles as hatching
// clipped to closed outlines, arrows filled, texts in their fonts.
#pragma once

#include <cairo.h>

#include <vector>

#include "headless/render/entity_figure.h"
#include "headless/render/fill_pattern.h"
#include "headless/render/line_look.h"
#include "headless/render/picture_frame.h"
#include "headless/render/picture_styles.h"

namespace vxh {

struct EntityLook {
  Rgb colour;
  Rgb fill_colour;             // of the hatch lines or the solid fill
  double width = 1.5;          // pixels
  std::vector<double> dashes;  // pixels, cairo's on-off order; empty: solid
  const FillPattern* fill = nullptr;
};

// The look of an entity from its header: pen colour (byte 6), fill colour
// (byte 10; 0 fills with the pen), line weight (byte 5), line style (16),
// fill style (14) and layer (20).
EntityLook LookOf(vx::Entity entity, const PictureStyles& styles, const PictureFrame& frame);

class FigurePainter {
 public:
  FigurePainter(cairo_t* cr, const PictureFrame& frame, const PictureStyles& styles);

  // `placement` carries the figure's coordinates to the drawing (a symbol's
  // instance transform; the identity elsewhere).
  void Paint(const Figure& figure, const EntityLook& look, const Matrix& placement);
  // Fills the region the outlines enclose together, even-odd, with the
  // look's fill style; nothing when the look has none.
  void FillRegion(const std::vector<Shape>& outlines, const EntityLook& look, const Matrix& placement);

 private:
  Matrix ToPicture(const Matrix& placement) const;
  void Outline(const Shape& shape, const EntityLook& look, const Matrix& placement);
  void Hatch(const std::vector<const Shape*>& shapes, const EntityLook& look, const Matrix& placement);
  void Arrows(const Figure& figure, const EntityLook& look, const Matrix& placement);
  void PointMark(const P2& point, const EntityLook& look, const Matrix& placement);
  void Text(const TextRun& run, const EntityLook& look, const Matrix& placement);
  void InkText(const TextRun& run, const EntityLook& look, const Matrix& placement, bool strokes);
  void Stroke(const EntityLook& look, double width, bool dashed);
  void StrokePlain(const Rgb& colour, double width);

  cairo_t* cr_;
  PictureFrame frame_;
  const PictureStyles& styles_;
};

}  // namespace vxh
