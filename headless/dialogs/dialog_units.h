// Dialog units to pixels for the 8-point dialog font: a dialog unit is a
// quarter of the font's average character width across and an eighth of its
// height down, which for an 8-point font at 96 dpi comes to 1.5 and 1.625
// pixels.
#pragma once

namespace vxh::dialogs {

inline constexpr double kPixelsPerUnitX = 1.5;
inline constexpr double kPixelsPerUnitY = 1.625;

inline int UnitsToPixelsX(int units) { return static_cast<int>(units * kPixelsPerUnitX + 0.5); }
inline int UnitsToPixelsY(int units) { return static_cast<int>(units * kPixelsPerUnitY + 0.5); }

}  // namespace vxh::dialogs
