// Where two pieces meet. Lines with lines, lines with elliptical arcs and
// circular arcs with circular arcs are solved in closed form; everything else
// by subdividing both pieces while their hulls meet, then Newton's method.
// A tangency gives one point. Pieces lying on each other (collinear lines,
// arcs of one circle, coincident curves) give the ends of their overlap; two
// whole coincident circles or ellipses have no ends and give none.
#pragma once

#include <vector>

#include "headless/geometry/piece.h"

namespace vxh {

struct Meeting {
  double sa = 0;  // local parameter on the first piece
  double sb = 0;  // and on the second
  P2 point;
};

// Appends the meetings of a and b; `size` scales the tolerances (the larger
// entity's size).
void IntersectPieces(const Piece& a, const Piece& b, double size, std::vector<Meeting>& out);

}  // namespace vxh
