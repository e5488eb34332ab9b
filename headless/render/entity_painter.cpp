#include "headless/render/entity_painter.h"

#include "headless/render/entity_figure.h"

namespace vxh {

EntityPainter::EntityPainter(cairo_t* cr, const PictureFrame& frame, const PictureStyles& styles)
    : styles_(styles), frame_(frame), painter_(cr, frame, styles_) {}

EntityPainter::~EntityPainter() = default;

bool EntityPainter::Paint(vx::Entity e, const Matrix& placement) {
  const std::optional<Figure> figure = FigureOf(e, styles_);
  if (!figure) return false;
  painter_.Paint(*figure, LookOf(e, styles_, frame_), placement);
  return true;
}

}  // namespace vxh
