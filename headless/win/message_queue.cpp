#include "headless/win/message_queue.h"

#include "headless/win/windows_state.h"

namespace vxh::win {

std::optional<PostedMessage> TakePostedMessage(WindowsState& state) {
  if (state.posted.empty()) return std::nullopt;
  const PostedMessage m = state.posted.front();
  state.posted.pop_front();
  return m;
}

}  // namespace vxh::win

extern "C" BOOL PostMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  vxh::win::RunningWindows("PostMessageA").posted.push_back({window, message, wparam, lparam});
  return TRUE;
}
