// Messages posted with PostMessageA, waiting until the session delivers them
// after the event that caused them, as the thread's message loop would.
#pragma once

#include <optional>

#include "host/win_api.h"

namespace vxh::win {

struct WindowsState;

struct PostedMessage {
  HWND window;
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};

std::optional<PostedMessage> TakePostedMessage(WindowsState& state);

}  // namespace vxh::win
