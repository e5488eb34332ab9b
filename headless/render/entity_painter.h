// Draws single entity records with cairo: the renderer's figures with their
// looks, for callers that hold records rather than a drawing (preview frames).
#pragma once

#include <cairo.h>

#include "headless/geometry/matrix.h"
#include "headless/render/figure_painter.h"
#include "headless/render/picture_frame.h"
#include "headless/render/picture_styles.h"
#include "host/kv_types.h"

namespace vxh {

class EntityPainter {
 public:
  EntityPainter(cairo_t* cr, const PictureFrame& frame, const PictureStyles& styles);
  ~EntityPainter();

  // False for what a picture cannot draw (see FigureOf). A loose container
  // has no members to draw.
  bool Paint(vx::Entity entity, const Matrix& placement = Identity());

 private:
  const PictureStyles& styles_;
  PictureFrame frame_;
  FigurePainter painter_;
};

}  // namespace vxh
