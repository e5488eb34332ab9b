#include "headless/cursor/snap_settings.h"

#include <cmath>
#include <string>

#include "headless/host_error.h"

namespace vxh {

namespace {

std::optional<double> g_grid;

double OnGrid(double value, double grid) { return std::round(value / grid) * grid; }

}  // namespace

std::optional<double> SnapGrid() { return g_grid; }

void SetSnapGrid(std::optional<double> grid) {
  if (grid && !(*grid > 0)) throw HostFault("the snap grid must be larger than 0");
  g_grid = grid;
}

void ForgetSnap() { g_grid.reset(); }

std::array<double, 3> SnapPoint(const std::array<double, 3>& point, int mode) {
  if (mode != kSnapModeDrag && mode != kSnapModePlacement)
    throw HostFault("ProcCsrSnap: the host has no snap mode " + std::to_string(mode));
  if (!g_grid) return point;
  std::array<double, 3> out = point;
  out[0] = OnGrid(point[0], *g_grid);
  out[1] = OnGrid(point[1], *g_grid);
  if (mode == kSnapModePlacement) out[2] = OnGrid(point[2], *g_grid);
  return out;
}

}  // namespace vxh
