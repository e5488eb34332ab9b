// Snapping a value to a multiple of a step, as the fill engine lays its first
// scan line and dash on the pattern's grid.
#pragma once

namespace vx {

// (value / step + 0.5) truncated toward zero to a 32-bit integer, times step.
// Truncation rather than floor: a quotient between -1 and 0 snaps to 0, so
// values just below zero land on 0 rather than on -step.
double SnapToMultiple(double step, double value);

}  // namespace vx
