// The boundary in hatch space as pieces that a vertical scan line crosses at
// most once each: the edges of lines, paths and polygons, and circles and
// arcs cut where they turn in x (at their leftmost and rightmost points).
// Every other kind stays one piece met through the host's FindAllInts.
//
// Each end of a straight or curved piece names its junction: the place it
// shares with the pieces it meets. A piece crosses the scan line x = X when
// one end lies left of X (x < X) and the other does not, so at every
// junction the pieces agree which side they are on, and the boundary
// crosses there once when it passes through and an even number of times
// when it only touches.
#pragma once

#include <cstdint>
#include <vector>

#include "host/kv_types.h"

namespace vx {

enum class PieceShape : std::uint8_t {
  kStraight,  // from a to b
  kArc,       // from a to b along the upper or lower half of a circle
  kOther,     // any other entity, through FindAllInts
};

struct BoundaryPiece {
  double a[2];
  double b[2];
  double min_x;
  double max_x;
  double centre[2];  // arcs
  double radius;     // arcs
  Entity entity;     // other kinds
  std::uint32_t junction_a;
  std::uint32_t junction_b;
  PieceShape shape;
  bool upper;  // arcs: the half above the centre
};

// Reads the boundary list into pieces, in list order and then along each
// entity, and joins the free ends of separate pieces that meet (within a
// tolerance of the boundary's size) into one junction. Pieces with a
// coordinate that is not finite have min_x and max_x NaN and cross nothing.
void ReadBoundaryPieces(DList* boundary, std::vector<BoundaryPiece>& out);

}  // namespace vx
