#include "headless/win/message_queue.h"

#include <deque>

namespace vxh::win {

namespace {

std::deque<PostedMessage> g_posted;

}  // namespace

std::optional<PostedMessage> TakePostedMessage() {
  if (g_posted.empty()) return std::nullopt;
  const PostedMessage m = g_posted.front();
  g_posted.pop_front();
  return m;
}

void ClearPostedMessages() { g_posted.clear(); }

}  // namespace vxh::win

extern "C" BOOL PostMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  vxh::win::g_posted.push_back({window, message, wparam, lparam});
  return TRUE;
}
