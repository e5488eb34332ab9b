// The pack's own pi and right angle. They are shorter than the double nearest
// to pi on purpose: every angle the pack has stored in drawings and in the
// registry was computed with them, so results only stay as users know them
// when the pack keeps computing with these and not with std::numbers::pi.
#pragma once

namespace vx {

inline constexpr double kPackPi = 3.14159265;
// 1.570796325, the pack's right angle, to the last bit.
inline constexpr double kRightAngle = kPackPi / 2;
static_assert(kRightAngle == 1.570796325);

}  // namespace vx
