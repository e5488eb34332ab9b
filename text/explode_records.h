// Records the text explode adds: lines, arcs, open paths and spline curve
// paths taking the source text's entity settings, carried through the
// current matrix.
#pragma once

#include <span>

#include "host/kv_types.h"
#include "host/point_types.h"
#include "text/stroke_font.h"

namespace vx {

Entity AddStrokeShape(DList* target, const StrokeShape& shape, Entity source);
Entity AddOpenPath(DList* target, std::span<const Point2> points, Entity source);
Entity AddSplinePath(DList* target, std::span<const Point2> points, Entity source);

}  // namespace vx
