// Scripted events and message boxes.
#include <algorithm>

#include "headless/drawing/document.h"
#include "headless/host_error.h"
#include "headless/screen/frame_writer.h"
#include "headless/session/session_core.h"
#include "headless/text_encoding.h"
#include "headless/win/key_names.h"
#include "headless/win/key_state.h"
#include "headless/win/windows.h"
#include "host/host_api.h"
#include "host/win_api.h"

namespace vxh {

namespace {

int KeyOf(const std::string& name) { return name == "shift" ? VK_SHIFT : VK_CONTROL; }

// A message box while it shows: its OK button has the focus, so a hook that
// closes "the parent of the focus" closes the box.
class MessageBoxWindow : public win::ModalWindow {
 public:
  explicit MessageBoxWindow(win::WindowsState& windows)
      : windows_(windows),
        window_(win::NewWindow(windows, win::MainWindow(windows))),
        button_(win::NewWindow(windows, window_)) {
    win::PushModal(windows_, this);
  }
  ~MessageBoxWindow() override {
    win::PopModal(windows_, this);
    win::ForgetWindow(windows_, button_);
    win::ForgetWindow(windows_, window_);
  }
  MessageBoxWindow(const MessageBoxWindow&) = delete;
  MessageBoxWindow& operator=(const MessageBoxWindow&) = delete;

  HWND Window() const override { return window_; }
  HWND Focus() const override { return button_; }
  void OnKey(int) override { closed_ = true; }
  void OnClose() override { closed_ = true; }
  bool Closed() const { return closed_; }

 private:
  win::WindowsState& windows_;
  HWND window_;
  HWND button_;
  bool closed_ = false;
};

std::string EventText(const script::Event& event) {
  switch (event.kind) {
    case script::EventKind::kKey: return "<key " + event.name + ">";
    default: return std::string("<") + script::EventName(event.kind) + ">";
  }
}

}  // namespace

void SessionCore::HandleEvent(const script::Event& event) {
  using script::EventKind;
  switch (event.kind) {
    case EventKind::kYes:
    case EventKind::kNo:
      throw BadInput(std::string("<") + script::EventName(event.kind) +
                     "> answers a question, but no question is open");
    case EventKind::kMenu:
      throw BadInput("<menu " + std::to_string(event.number) + "> answers a popup menu, but no menu is open");
    default: DeliverEvent(event);
  }
}

void SessionCore::DeliverEvent(const script::Event& event) {
  using script::EventKind;
  event_text_ = EventText(event);
  switch (event.kind) {
    case EventKind::kEsc: return DeliverKeyStroke(VK_ESCAPE, false);
    case EventKind::kEnter: return DeliverKeyStroke(VK_RETURN, false);
    case EventKind::kKey: {
      const std::optional<win::KeyStroke> stroke = win::KeyStrokeFor(event.name);
      if (!stroke)
        throw BadInput("<key " + event.name +
                       ">: no such key (TAB, LEFT, UP, RIGHT, DOWN, DELETE, "
                       "ADD, SUBTRACT, ESCAPE, ENTER, SPACE, BACK or one character)");
      return DeliverKeyStroke(stroke->virtual_key, stroke->shift);
    }
    case EventKind::kMove: return Move(event.x, event.y);
    case EventKind::kView: return view_.SetView(event.view);
    case EventKind::kHold: return win::SetKeyHeld(host_.windows, KeyOf(event.name), true);
    case EventKind::kRelease:
      if (event.name == "all") return win::ReleaseAllKeys(host_.windows);
      return win::SetKeyHeld(host_.windows, KeyOf(event.name), false);
    case EventKind::kRClick:
      MouseToHooks(WM_RBUTTONDOWN);
      MouseToHooks(WM_RBUTTONUP);
      return ProcessPostedMessages();
    case EventKind::kDown:
    case EventKind::kUp: return Click(event);
    default: throw BadInput(std::string("<") + script::EventName(event.kind) + "> cannot be delivered here");
  }
}

// The cursor moves; a waiting point request with a drag routine sees it.
void SessionCore::Move(double x, double y) {
  view_.cursor = {x, y, 0.0};
  if (!pending_ || win::TopModal(host_.windows) != nullptr) return;
  if (const vx::DragRoutine drag = pending_->Drag(); drag != nullptr) {
    drag(view_.DragView());
    screen::WriteNewFrames(host_.screen, options_.frames_dir, view_.view, doc_->Tables());
  }
}

std::optional<script::EventKind> SessionCore::PeekYesNo() {
  if (queue_.empty() || queue_.front().kind != script::TokenKind::kEvent) return std::nullopt;
  script::Event event;
  try {
    event = script::ParseEvent(queue_.front().body);
  } catch (const BadInput&) {
    return std::nullopt;  // reported when the loop reaches it
  }
  if (event.kind != script::EventKind::kYes && event.kind != script::EventKind::kNo) return std::nullopt;
  queue_.pop_front();
  return event.kind;
}

bool SessionCore::PeekRightClick() {
  if (queue_.empty() || queue_.front().kind != script::TokenKind::kEvent) return false;
  try {
    if (script::ParseEvent(queue_.front().body).kind != script::EventKind::kRClick) return false;
  } catch (const BadInput&) {
    return false;
  }
  current_pos_ = queue_.front().pos;
  queue_.pop_front();
  return true;
}

int SessionCore::MessageBox(std::string_view text, std::string_view title, int style) {
  bar_.Finish();
  log_.Box(title, text);
  if (style == vx::kBoxError) {
    error_box_ = EscapeForTranscript(Cp1252ToUtf8(text));
    error_box_token_ = token_serial_;
  }
  MessageBoxWindow box(host_.windows);
  if (style != vx::kBoxYesNo) {
    // A right click right after the box reaches the hooks while it shows.
    if (PeekRightClick()) {
      DeliverEvent(EventOf(script::EventKind::kRClick));
      if (box.Closed()) log_.Answer("<rclick>");
    }
    return 1;
  }
  const std::optional<script::EventKind> answer = PeekYesNo();
  if (!answer) {
    log_.Answer("<yes> (default)");
    return vx::kAnswerYes;
  }
  const bool yes = *answer == script::EventKind::kYes;
  log_.Answer(yes ? "<yes>" : "<no>");
  return yes ? vx::kAnswerYes : vx::kAnswerNo;
}

// `waiting` is a UTF-8 phrase for messages: it is quoted into them as it is.
script::Token SessionCore::NextModalToken(const std::string& waiting) {
  if (queue_.empty()) throw BadInput("the script ends while " + waiting + " waits");
  script::Token token = std::move(queue_.front());
  queue_.pop_front();
  current_pos_ = token.pos;
  return token;
}

script::Event SessionCore::NextModalEvent(const std::string& waiting,
                                          std::initializer_list<script::EventKind> answers) {
  for (;;) {
    const script::Token token = NextModalToken(waiting);
    if (token.kind != script::TokenKind::kEvent)
      throw BadInput(waiting + " waits for an event, got " +
                     QuoteForMessage(token.kind == script::TokenKind::kText ? token.PlainText() : token.body));
    const script::Event event = script::ParseEvent(token.body);
    if (event.kind == script::EventKind::kEsc || std::find(answers.begin(), answers.end(), event.kind) != answers.end())
      return event;
    HandleEvent(event);
  }
}

}  // namespace vxh
