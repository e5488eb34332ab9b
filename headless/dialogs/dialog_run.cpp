// Dialog: runs a dialog modally on the script's answers. The controls show
// their fields, the init routine runs, owner-drawn controls are drawn, and
// then every answer token sets controls and presses buttons until one closes
// the dialog. Escape, a close message (a right click through the pack's
// mouse hook) and Enter act as in Windows.
#include <cstdint>
#include <string>

#include "headless/dialogs/control_values.h"
#include "headless/dialogs/dialog_answer.h"
#include "headless/dialogs/dialog_object.h"
#include "headless/dialogs/dialog_table.h"
#include "headless/dialogs/owner_draw.h"
#include "headless/host_error.h"
#include "headless/script/event.h"
#include "headless/script/modal_input.h"
#include "headless/text_encoding.h"
#include "headless/win/windows.h"
#include "headless/win/windows_state.h"

namespace vxh::dialogs {

namespace {

void Close(vx::Dlg& d, int result) {
  d.closed = true;
  d.result = result;
}

int DefaultButton(const vx::Dlg& d) {
  for (const auto& [id, state] : d.controls)
    if (state.tpl->default_button) return id;
  return vx::kIdOk;
}

void Press(vx::Dlg& d, int id) {
  const auto it = d.controls.find(id);
  if (it == d.controls.end()) throw BadInput("the dialog " + d.Name() + " has no button " + std::to_string(id));
  ControlState& state = it->second;
  const ControlKind kind = state.tpl->kind;
  if (kind != ControlKind::kButton && kind != ControlKind::kOwnerButton)
    throw BadInput(ControlName(d, id) + " is not a button to press");
  if (!state.visible) throw BadInput(ControlName(d, id) + " is hidden and cannot be pressed");
  if (!state.enabled) throw BadInput(ControlName(d, id) + " is disabled and cannot be pressed");
  d.focus = id;
  if (state.binding.press == nullptr || state.binding.press(&d, id) != 0) Close(d, id);
}

// The dialog as the modal window that keys and close messages reach.
class DialogWindow : public win::ModalWindow {
 public:
  DialogWindow(win::WindowsState& windows, vx::Dlg& d) : windows_(windows), d_(d) { win::PushModal(windows_, this); }
  ~DialogWindow() override { win::PopModal(windows_, this); }
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  HWND Window() const override { return d_.window; }
  HWND Focus() const override {
    const auto it = d_.controls.find(d_.focus);
    return it != d_.controls.end() ? it->second.window : d_.window;
  }
  void OnKey(int key) override {
    if (key == VK_ESCAPE) Close(d_, vx::kIdCancel);
    if (key == VK_RETURN && !d_.closed) Press(d_, DefaultButton(d_));
  }
  void OnClose() override { Close(d_, vx::kIdCancel); }

 private:
  win::WindowsState& windows_;
  vx::Dlg& d_;
};

// Marks the dialog as running for its lifetime, also when an error leaves.
class Running {
 public:
  explicit Running(vx::Dlg& d) : d_(d) {
    if (d.running) throw HostFault("Dialog: the dialog " + d.Name() + " is already running");
    d.running = true;
    d.closed = false;
    d.result = 0;
  }
  ~Running() { d_.running = false; }
  Running(const Running&) = delete;
  Running& operator=(const Running&) = delete;

 private:
  vx::Dlg& d_;
};

// Windows gives the focus to the first control that takes it, unless the
// init routine chose one.
void SetFirstFocus(vx::Dlg& d) {
  if (d.focus != 0) return;
  constexpr std::uint32_t kTabStop = 0x00010000u;
  for (const ControlTemplate& c : d.tpl->controls) {
    const auto it = d.controls.find(c.id);
    if (it == d.controls.end() || !it->second.visible || !it->second.enabled) continue;
    if ((c.style & kTabStop) != 0 || c.kind == ControlKind::kRadio) {
      d.focus = c.id;
      return;
    }
  }
}

void Painted(const DialogTable& table, vx::Dlg& d) {
  PaintOwnerDrawn(d);
  table.Waiting(d);
}

void ApplyAnswer(vx::Dlg& d, const std::vector<AnswerItem>& items) {
  for (const AnswerItem& item : items) {
    if (d.closed) throw BadInput("the dialog " + d.Name() + " closed already; nothing may follow its button");
    if (item.kind == AnswerItem::Kind::kPress) {
      Press(d, item.id);
    } else {
      ChangeControl(d, item.id, item.value);
    }
  }
}

void TakeEvent(script::ModalInput& session, vx::Dlg& d, const script::Token& token) {
  const script::Event event = script::ParseEvent(token.body);
  if (event.kind == script::EventKind::kYes || event.kind == script::EventKind::kNo ||
      event.kind == script::EventKind::kMenu)
    throw BadInput("<" + vxh::Cp1252ToUtf8(token.body) + "> does not answer the dialog " + d.Name());
  session.DeliverEvent(event);
  if (d.closed) session.Log().Answer("<" + token.body + ">");
}

void TakeToken(script::ModalInput& session, vx::Dlg& d, const script::Token& token) {
  switch (token.kind) {
    case script::TokenKind::kDialog:
      session.Log().Answer("{" + token.body + "}");
      ApplyAnswer(d, ParseDialogAnswer(token.body));
      break;
    case script::TokenKind::kEvent: TakeEvent(session, d, token); break;
    case script::TokenKind::kEnter:
      session.DeliverEvent(script::EventOf(script::EventKind::kEnter));
      if (d.closed) session.Log().Answer("<enter>");
      break;
    case script::TokenKind::kText:
      throw BadInput("the dialog " + vxh::QuoteForMessage(d.tpl->title) + " waits for its answer {...}, got " +
                     vxh::QuoteForMessage(token.PlainText()));
  }
}

}  // namespace

}  // namespace vxh::dialogs

extern "C" int KVAPI Dialog(vx::Dlg* dialog, void*, int) {
  using namespace vxh::dialogs;
  vx::Dlg& d = LiveDialog(dialog, "Dialog");
  vxh::script::ModalInput& session = vxh::script::RunningModalInput("Dialog");
  Running running(d);
  RefreshAllControls(d);
  d.focus = 0;
  if (d.init != nullptr) d.init(&d);
  SetFirstFocus(d);
  DialogWindow window(vxh::win::RunningWindows("Dialog"), d);
  session.Log().DialogOpens(d.tpl->title);
  const DialogTable& table = RunningDialogs("Dialog");
  Painted(table, d);
  while (!d.closed) {
    TakeToken(session, d, session.NextModalToken("the dialog " + vxh::QuoteForMessage(d.tpl->title)));
    if (!d.closed) Painted(table, d);
  }
  session.Log().DialogCloses(d.result);
  return d.result;
}
