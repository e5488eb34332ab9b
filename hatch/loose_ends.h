// Joining the free ends of boundary pieces: the ends of lines, arcs and
// paths that meet other such ends within a tolerance become one junction at
// one point, so that every piece meeting there agrees on which side of a
// scan line the junction lies.
#pragma once

#include <cstdint>
#include <vector>

#include "hatch/boundary_pieces.h"

namespace vx {

struct LooseEnd {
  std::uint32_t piece;
  bool at_b;  // the piece's end b, else its end a
};

// Ends closer than `relative` times the size of the pieces' extents (in both
// coordinates) take the point and junction of the first end of their group.
void JoinLooseEnds(std::vector<BoundaryPiece>& pieces, const std::vector<LooseEnd>& ends, double relative);

}  // namespace vx
