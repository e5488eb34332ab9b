// Scripted events and message boxes.
#include "headless/host_error.h"
#include "headless/session/key_state.h"
#include "headless/session/session_core.h"
#include "host/host_api.h"
#include "host/win_api.h"

namespace vxh {

namespace {

int KeyOf(const std::string& name) { return name == "shift" ? VK_SHIFT : VK_CONTROL; }

}  // namespace

void SessionCore::HandleEvent(const script::Event& event) {
  using script::EventKind;
  switch (event.kind) {
    case EventKind::kEsc:
      if (pending_) Answer(kStatusCancel, "<esc>");
      return;
    case EventKind::kEnter:
      if (pending_) Answer(vx::kStatusDefault, "<enter>");
      return;
    case EventKind::kMove:
      Move(event.x, event.y);
      return;
    case EventKind::kView:
      view_.SetView(event.view);
      return;
    case EventKind::kYes:
    case EventKind::kNo:
      throw BadInput(std::string("<") + script::EventName(event.kind) +
                     "> answers a question, but no question is open");
    case EventKind::kHold:
      SetKeyHeld(KeyOf(event.name), true);
      return;
    case EventKind::kRelease:
      if (event.name == "all") {
        ReleaseAllKeys();
      } else {
        SetKeyHeld(KeyOf(event.name), false);
      }
      return;
    default:
      throw BadInput(std::string("<") + script::EventName(event.kind) + "> events are not supported yet");
  }
}

// The cursor moves; a waiting point request with a drag routine sees it.
void SessionCore::Move(double x, double y) {
  view_.cursor = {x, y, 0.0};
  if (!pending_) return;
  if (const vx::DragRoutine drag = pending_->Drag(); drag != nullptr) drag(view_.DragView());
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

int SessionCore::MessageBox(std::string_view text, std::string_view title, int style) {
  log_.Box(title, text);
  if (style != vx::kBoxYesNo) return 1;
  const std::optional<script::EventKind> answer = PeekYesNo();
  if (!answer) {
    log_.Answer("<yes> (default)");
    return vx::kAnswerYes;
  }
  const bool yes = *answer == script::EventKind::kYes;
  log_.Answer(yes ? "<yes>" : "<no>");
  return yes ? vx::kAnswerYes : vx::kAnswerNo;
}

}  // namespace vxh
