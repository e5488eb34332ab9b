// Keys and mouse buttons as Windows delivers them: first to the thread's
// hooks, then to the window with the focus, then the messages the hooks
// posted, in the order the thread's message loop would see them.
#include <charconv>

#include "headless/host_error.h"
#include "headless/session/session_core.h"
#include "headless/win/hook_chain.h"
#include "headless/win/key_names.h"
#include "headless/win/key_state.h"
#include "headless/win/message_queue.h"
#include "headless/win/windows.h"
#include "host/host_api.h"

namespace vxh {

namespace {

bool IsPointOrPick(int kind) { return kind == vx::kReqPoint2 || kind == vx::kReqPoint3 || kind == vx::kReqPick; }

int KeyOfMessage(const win::PostedMessage& m) {
  if (m.message == WM_KEYDOWN || m.message == WM_CHAR) return static_cast<int>(m.wparam);
  return 0;
}

// The shortest text that reads back as the same doubles: a click at 20.4
// shows as 20.4 in the transcript, not as 20.399999999999999.
std::string PointText(double x, double y) {
  char text[64];
  char* end = std::to_chars(text, text + sizeof text / 2, x).ptr;
  *end++ = ',';
  end = std::to_chars(end, text + sizeof text, y).ptr;
  return std::string(text, end);
}

}  // namespace

void SessionCore::DeliverKeyStroke(int virtual_key, bool shift) {
  const bool shift_was_held = win::KeyHeld(host_.windows, VK_SHIFT);
  if (shift) win::SetKeyHeld(host_.windows, VK_SHIFT, true);
  win::SetKeyHeld(host_.windows, virtual_key, true);
  const unsigned serial = request_serial_;
  const bool swallowed = win::CallHooks(host_.windows, WH_KEYBOARD, virtual_key, win::KeyData(virtual_key, false)) != 0;
  if (!swallowed) KeyReachedFocus(virtual_key);
  ProcessPostedMessages();
  if (!swallowed) CharacterReached(virtual_key, win::KeyHeld(host_.windows, VK_SHIFT), serial);
  win::SetKeyHeld(host_.windows, virtual_key, false);
  win::CallHooks(host_.windows, WH_KEYBOARD, virtual_key, win::KeyData(virtual_key, true));
  ProcessPostedMessages();
  win::SetKeyHeld(host_.windows, VK_SHIFT, shift_was_held);
}

// The key-down itself: Escape and Enter act at once, as the focused window
// handles them; other keys only type their character (after the posted
// messages, as the character message follows them in the queue).
void SessionCore::KeyReachedFocus(int virtual_key) {
  if (virtual_key != VK_ESCAPE && virtual_key != VK_RETURN) return;
  if (win::ModalWindow* modal = win::TopModal(host_.windows)) {
    modal->OnKey(virtual_key);
    return;
  }
  KeyToPrompt(virtual_key);
}

// A character typed while the same request still waits goes into its input;
// one whose key ended the request is not carried over to the next one.
void SessionCore::CharacterReached(int virtual_key, bool shift, unsigned request_serial) {
  if (!pending_ || win::TopModal(host_.windows) != nullptr || request_serial != request_serial_) return;
  const char c = win::CharacterOf(virtual_key, shift, win::KeyHeld(host_.windows, VK_CONTROL));
  if (c == '\b' && !typed_.empty()) typed_.pop_back();
  if (static_cast<unsigned char>(c) >= ' ') typed_ += c;
}

void SessionCore::KeyToPrompt(int key) {
  if (!pending_) return;
  if (key == VK_ESCAPE) {
    typed_.clear();
    Answer(kStatusCancel, event_text_);
  } else if (key == VK_RETURN) {
    AcceptTyped();
  }
}

// Enter answers with what was typed, or takes the default.
void SessionCore::AcceptTyped() {
  if (typed_.empty()) {
    Answer(vx::kStatusDefault, event_text_);
    return;
  }
  const std::string text = typed_;
  typed_.clear();
  AnswerText(text);
}

void SessionCore::MouseToHooks(UINT message) {
  MOUSEHOOKSTRUCT data{};
  GetCursorPos(&data.pt);
  data.hwnd = GetFocus();
  win::CallHooks(host_.windows, WH_MOUSE, message, reinterpret_cast<LPARAM>(&data));
}

// A button goes down or up at a point: the cursor moves there first; a click
// at a waiting point or pick request answers it with that point.
void SessionCore::Click(const script::Event& event) {
  Move(event.x, event.y);
  const bool down = event.kind == script::EventKind::kDown;
  win::SetKeyHeld(host_.windows, win::kLeftButton, down);
  MouseToHooks(down ? WM_LBUTTONDOWN : WM_LBUTTONUP);
  ProcessPostedMessages();
  if (down && pending_ && win::TopModal(host_.windows) == nullptr && IsPointOrPick(pending_->kind))
    AnswerText(PointText(event.x, event.y));
}

void SessionCore::ProcessPostedMessages() {
  while (const std::optional<win::PostedMessage> m = win::TakePostedMessage(host_.windows)) {
    if (win::ModalWindow* modal = win::TopModal(host_.windows)) {
      if (!win::IsWindowOf(host_.windows, m->window, modal->Window())) continue;  // windows below wait
      if (m->message == WM_CLOSE) modal->OnClose();
      if (const int key = KeyOfMessage(*m); key != 0) modal->OnKey(key);
      continue;
    }
    if (m->message == WM_MOUSEMOVE) {
      Move(view_.cursor[0], view_.cursor[1]);
    } else if (const int key = KeyOfMessage(*m); key != 0) {
      KeyToPrompt(key);
    }
  }
}

}  // namespace vxh
