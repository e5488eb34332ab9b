// Draws entity records with cairo, and measures them for the picture frame.
#pragma once

#include <cairo.h>

#include "headless/render/picture_frame.h"
#include "host/kv_types.h"

namespace vxh {

// Widens the extents by what the picture shows of the entity.
void AddExtents(vx::Entity entity, Extents& extents);

class EntityPainter {
 public:
  EntityPainter(cairo_t* cr, const PictureFrame& frame);
  void Paint(vx::Entity entity);

 private:
  void Polyline(vx::Entity entity, bool closed);
  void Line(vx::Entity entity);
  void Arc(vx::Entity entity, bool full_circle);
  void Point(vx::Entity entity);
  void Text(vx::Entity entity);
  void Stroke();

  cairo_t* cr_;
  PictureFrame frame_;
};

}  // namespace vxh
