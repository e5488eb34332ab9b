// GetTickCount of the headless host: a clock that the session advances by a
// fixed step for every script token, so that runs are repeatable and a
// script's events are as far apart as a quick user's.
#pragma once

#include "host/win_api.h"

namespace vxh::win {

inline constexpr DWORD kClockStart = 1000;
inline constexpr DWORD kTicksPerToken = 250;

struct WindowsState;

void AdvanceClock(WindowsState& state, DWORD milliseconds);

}  // namespace vxh::win
