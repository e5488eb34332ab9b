// The part of the drawing a figure covers, for fitting the picture.
#pragma once

#include "headless/geometry/matrix.h"
#include "headless/render/entity_figure.h"
#include "headless/render/picture_styles.h"

namespace vxh {

// Widens the box by the figure carried to the drawing by `placement`: the
// outline's pieces (tight, curves included), arrows, point marks and the
// boxes of texts as their fonts lay them out. Values that are not finite
// are left out.
void WidenByFigure(Box2& box, const Figure& figure, const Matrix& placement, const PictureStyles& styles);

}  // namespace vxh
