// Where a drawing lands in a picture: the fit of the drawing's extents into
// the picture with a margin, y pointing up.
#pragma once

namespace vxh {

struct Extents {
  double min_x = 0, min_y = 0, max_x = 0, max_y = 0;
  bool valid = false;

  void Add(double x, double y);
  void AddCircle(double cx, double cy, double r);
};

struct PictureFrame {
  double scale = 1;     // picture units per drawing unit
  double offset_x = 0;  // picture x of drawing x = 0
  double offset_y = 0;  // picture y of drawing y = 0
  double width = 0;
  double height = 0;

  double X(double x) const { return offset_x + x * scale; }
  double Y(double y) const { return offset_y - y * scale; }
};

// Fits the extents into a picture at most max_width by max_height, keeping
// the aspect ratio; an empty or degenerate drawing still gets a frame.
PictureFrame FitPicture(const Extents& extents, double max_width, double max_height);

}  // namespace vxh
