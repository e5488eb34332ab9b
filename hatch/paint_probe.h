// The probe of one paint: a hatch line across the whole boundary box at one
// position, narrowed to the nearest boundary crossings on either side of
// the cursor.
#pragma once

#include "hatch/boundary_index.h"
#include "hatch/crossing_buffer.h"

namespace vx {

struct ProbeSpan {
  double lower;
  double upper;
  // Boundary on both sides of the cursor: it lies in a bounded area.
  bool bounded;
};

// The probe runs along y at x = `position`, from `min` - 1 to `max` + 1 (the
// box's range along it with a margin, so an end that moved met the
// boundary). A crossing at `along` or above bounds it from above, one below
// from below.
ProbeSpan NarrowProbe(const BoundaryIndex& index, CrossingBuffer& crossings, double position, double min, double max,
                      double along);

}  // namespace vx
