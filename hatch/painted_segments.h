// The segments a scan/paint hatch has painted so far, in the order they were
// painted: each knows its hatch line position and its ends along that line,
// so a later paint at the same place finds it instead of painting it again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "host/kv_types.h"

namespace vx {

// Hatch direction or crosshatch (SHIFT held while painting).
enum class PaintOrientation : std::uint8_t { kHatch = 0, kCross = 1 };

struct PaintedSegment {
  Entity line;      // in the result group's member list
  double position;  // across the hatch lines, in hatch space
  double lower;     // ends along the line, in hatch space
  double upper;
  PaintOrientation orientation;
};

// The first segment (in painting order) of orientation `o` whose position is
// less than `window` from `position` and whose ends hold `along` (ends
// included).
std::optional<std::size_t> FindPainted(const std::vector<PaintedSegment>& painted, PaintOrientation o, double position,
                                       double along, double window);

}  // namespace vx
