// Builds cairo paths in picture coordinates from geometry given in some
// other frame (an entity's, a symbol definition's, a glyph's): every point
// goes through one matrix, so curves stay exact (cubic Béziers map to cubic
// Béziers, elliptical arcs are written as cubics of their parametric angle).
// Strokes are then made with cairo's identity matrix, so line widths and
// dashes are in pixels whatever the frame.
#pragma once

#include <cairo.h>

#include "headless/geometry/matrix.h"
#include "headless/geometry/shape.h"

namespace vxh {

class PathBuilder {
 public:
  PathBuilder(cairo_t* cr, const Matrix& to_picture);

  void MoveTo(const P2& p);
  void LineTo(const P2& p);
  void CurveTo(const P2& c1, const P2& c2, const P2& end);
  void Close();

  // A piece; it starts a new sub-path unless it begins where the path is.
  void AddPiece(const Piece& piece);
  // The pieces in order; a closed shape whose pieces join is closed.
  void AddShape(const Shape& shape);

  // False once a point was not finite: such a path is not drawn.
  bool Usable() const { return usable_; }
  const Matrix& ToPicture() const { return to_picture_; }

 private:
  bool Map(const P2& p, double& x, double& y);
  void AddEllipseArc(const Piece& piece);

  cairo_t* cr_;
  Matrix to_picture_;
  P2 at_{};
  bool has_point_ = false;
  bool usable_ = true;
};

}  // namespace vxh
