// The arc through three points, for the host's ARCB command. Pure.
#pragma once

#include <optional>

namespace vxh {

struct ArcFit {
  double cx = 0, cy = 0, radius = 0;
  double start = 0;  // radians, in [0, 2 pi)
  double sweep = 0;  // radians, counter-clockwise, in (0, 2 pi)
};

// The arc from `a` through `m` to `b`, written counter-clockwise: when the
// way from a through m to b turns clockwise, the arc starts at b instead.
// Nothing when the points lie on one line or two of them coincide.
std::optional<ArcFit> ArcThroughPoints(double ax, double ay, double mx, double my, double bx, double by);

}  // namespace vxh
