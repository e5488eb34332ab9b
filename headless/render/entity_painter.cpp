#include "headless/render/entity_painter.h"

#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/render/entity_figure.h"
#include "headless/session/session_core.h"

namespace vxh {

namespace {

std::unique_ptr<PictureStyles> SessionStyles() {
  if (SessionCore* session = SessionCore::ActiveOrNull())
    return std::make_unique<PictureStyles>(session->Doc().Tables());
  SettingsTables tables;
  InstallDefaultTables(tables);
  return std::make_unique<PictureStyles>(tables);
}

}  // namespace

EntityPainter::EntityPainter(cairo_t* cr, const PictureFrame& frame)
    : own_styles_(SessionStyles()), styles_(*own_styles_), frame_(frame), painter_(cr, frame, styles_) {}

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
