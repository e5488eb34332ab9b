// Where a drawing lands in a picture: the fit of the drawing's extents into
// the picture with a margin, y pointing up.
#pragma once

#include "headless/geometry/piece.h"

namespace vxh {

struct PictureFrame {
  double scale = 1;     // picture units per drawing unit
  double offset_x = 0;  // picture x of drawing x = 0
  double offset_y = 0;  // picture y of drawing y = 0
  double width = 0;
  double height = 0;

  double X(double x) const { return offset_x + x * scale; }
  double Y(double y) const { return offset_y - y * scale; }
};

// Fits the box into a picture at most max_width by max_height, keeping the
// aspect ratio, with a margin all round. A drawing much thinner one way
// than the other (a single line) gets some room across it; an empty or
// single-point drawing is shown at a 10-unit window.
PictureFrame FitPicture(const Box2& extents, double max_width, double max_height);

}  // namespace vxh
