#include "headless/cursor/snap_settings.h"

#include <cmath>
#include <string>

#include "headless/host_error.h"

namespace vxh {

namespace {

double OnGrid(double value, double grid) { return std::round(value / grid) * grid; }

}  // namespace

std::optional<double> CheckedSnapGrid(std::optional<double> grid) {
  if (grid && !(*grid > 0)) throw HostFault("the snap grid must be larger than 0");
  return grid;
}

std::array<double, 3> SnapPoint(const std::array<double, 3>& point, int mode, std::optional<double> grid) {
  if (mode != kSnapModeDrag && mode != kSnapModePlacement)
    throw HostFault("ProcCsrSnap: the host has no snap mode " + std::to_string(mode));
  if (!grid) return point;
  std::array<double, 3> out = point;
  out[0] = OnGrid(point[0], *grid);
  out[1] = OnGrid(point[1], *grid);
  if (mode == kSnapModePlacement) out[2] = OnGrid(point[2], *grid);
  return out;
}

}  // namespace vxh
