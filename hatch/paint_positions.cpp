#include "hatch/paint_positions.h"

#include <cmath>

namespace vx {

double GridOrigin(double origin, double distance) {
  if (!std::isfinite(origin)) return 0;
  return std::fmod(origin, distance);
}

}  // namespace vx
