#include "hatch/painted_segments.h"

#include <cmath>

namespace vx {

std::optional<std::size_t> FindPainted(const std::vector<PaintedSegment>& painted, PaintOrientation o, double position,
                                       double along, double window) {
  for (std::size_t i = 0; i < painted.size(); ++i) {
    const PaintedSegment& s = painted[i];
    if (s.orientation != o || !(std::fabs(position - s.position) < window)) continue;
    if (s.lower <= along && along <= s.upper) return i;
  }
  return std::nullopt;
}

}  // namespace vx
