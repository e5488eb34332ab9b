// The host's snap settings, which ProcCsrSnap applies to the cursor: off in a
// new session (the session keeps the grid); a script turns a grid on with the
// host command SNAP.
#pragma once

#include <array>
#include <optional>

namespace vxh {

// A grid size above zero, or nothing for snapping off; a HostFault for
// anything else.
std::optional<double> CheckedSnapGrid(std::optional<double> grid);

// The modes ProcCsrSnap knows. Both put the cursor on the nearest grid point:
// the drags' mode in x and y, the placement mode in x, y and z.
inline constexpr int kSnapModeDrag = 0;
inline constexpr int kSnapModePlacement = 2;

// The point after the snap of `mode` to `grid`; the point unchanged while
// snapping is off. A mode the host does not know is a HostFault.
std::array<double, 3> SnapPoint(const std::array<double, 3>& point, int mode, std::optional<double> grid);

}  // namespace vxh
