// Crossings of one scan line with one boundary piece (hatch/boundary_pieces.h).
#pragma once

#include "hatch/boundary_pieces.h"
#include "hatch/crossing_buffer.h"
#include "hatch/scan_line.h"

namespace vx {

// Adds where the piece crosses the scan line x = X. A straight or curved
// piece crosses it when one end lies left of X (x < X) and the other does
// not: once, at that end when it lies on X (a junction crossing), else
// between the ends. Other entities are met through FindAllInts; a closed one
// met at one point is only touched.
void PieceCrossings(const BoundaryPiece& piece, const ScanLine& scan, CrossingBuffer& out);

}  // namespace vx
