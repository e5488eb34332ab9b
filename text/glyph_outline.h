// The native TrueType outline of one glyph (TTPOLYGONHEADER and TTPOLYCURVE
// runs) read into contours of pieces, each piece a quadratic spline or a run
// of straight lines through its points, the pen already added.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/point_types.h"

namespace vx {

struct OutlinePiece {
  bool spline = false;
  std::vector<Point2> points;  // the current point first, then the record's
};

using OutlineContour = std::vector<OutlinePiece>;

// Contours of the buffer; reading stops at the first header or record that
// does not fit inside its contour or the buffer.
std::vector<OutlineContour> ReadGlyphOutline(std::span<const std::uint8_t> buffer, Point2 pen);

}  // namespace vx
