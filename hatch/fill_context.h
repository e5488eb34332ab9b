// What one fill command's scan fill works with: the boundary list in hatch
// space, the crossing buffer (reserved once, reused by every scan line) and
// the boundary's pieces with their x index, rebuilt whenever the boundary is
// rotated.
#pragma once

#include <cstdint>

#include "hatch/boundary_index.h"
#include "hatch/crossing_buffer.h"
#include "hatch/fill_limits.h"
#include "host/kv_types.h"

namespace vx {

enum class ScanMode {
  kIndexed,    // visit only what the scan line can meet
  kPlainWalk,  // ask every boundary piece for every scan line
};

struct FillContext {
  FillContext(DList* boundary_list, std::uint8_t* extents, ScanMode scan_mode = ScanMode::kIndexed)
      : boundary(boundary_list), box(extents), mode(scan_mode) {}

  DList* boundary;
  std::uint8_t* box;  // the boundary's extents box in hatch space
  ScanMode mode;
  CrossingBuffer crossings;
  BoundaryIndex index;
  bool index_built = false;
  bool stopped = false;  // Escape during a PAT-file pattern
  // Lines the fill may still add; when they run out the fill stops and
  // too_dense tells the command, which removes what was made and says so.
  long lines_left = fill::kMaxLinesPerFill;
  bool too_dense = false;
};

}  // namespace vx
