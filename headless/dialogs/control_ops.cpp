// Operations on the controls of a dialog: the host's (UpdCtl, ShowCtl, ...)
// and the Windows ones the pack reaches through control windows.
#include <string>

#include "headless/dialogs/control_values.h"
#include "headless/dialogs/dialog_object.h"
#include "headless/host_error.h"

namespace vxh::dialogs {

namespace {

ControlState& ControlOf(vx::Dlg* dialog, int id, const char* operation) {
  return LiveDialog(dialog, operation).Control(id, operation);
}

// The control behind a window handle; a HostFault for a window that is no
// control of a dialog.
ControlState& ControlOfWindow(HWND window, const char* operation) {
  int id = 0;
  vx::Dlg* d = DialogOfWindow(window, &id);
  if (d == nullptr || id == 0) throw HostFault(std::string(operation) + ": not the window of a dialog control");
  return d->controls.at(id);
}

LRESULT ListMessage(ControlState& state, UINT message, WPARAM wparam) {
  if (message == LB_GETCURSEL) return state.selection;
  const int index = static_cast<int>(static_cast<LPARAM>(wparam));
  if (index < -1 || index >= static_cast<int>(state.entries.size())) {
    state.selection = -1;
    return LB_ERR;
  }
  state.selection = index;
  if (state.binding.kind == BindingKind::kList) *static_cast<int*>(state.binding.value) = index;
  return index;
}

}  // namespace

}  // namespace vxh::dialogs

namespace vx {

using vxh::dialogs::ControlOf;

extern "C" {

void KVAPI UpdCtl(Dlg* dialog, int control) { vxh::dialogs::RefreshControl(ControlOf(dialog, control, "UpdCtl")); }

void KVAPI UpdCtlA(Dlg* dialog) { vxh::dialogs::RefreshAllControls(vxh::dialogs::LiveDialog(dialog, "UpdCtlA")); }

void KVAPI ShowCtl(Dlg* dialog, int control) { ControlOf(dialog, control, "ShowCtl").visible = true; }

void KVAPI HideCtl(Dlg* dialog, int control) { ControlOf(dialog, control, "HideCtl").visible = false; }

void KVAPI FocusCtl(Dlg* dialog, int control) {
  ControlOf(dialog, control, "FocusCtl");
  dialog->focus = control;
}

void KVAPI EnAbCtl(Dlg* dialog, int control) { ControlOf(dialog, control, "EnAbCtl").enabled = true; }

void KVAPI DsAbCtl(Dlg* dialog, int control) { ControlOf(dialog, control, "DsAbCtl").enabled = false; }

}  // extern "C"

}  // namespace vx

extern "C" {

HWND GetDlgItem(HWND dialog_window, int control) {
  int id = 0;
  vx::Dlg* d = vxh::dialogs::DialogOfWindow(dialog_window, &id);
  if (d == nullptr || id != 0) return nullptr;
  const auto it = d->controls.find(control);
  return it == d->controls.end() ? nullptr : it->second.window;
}

BOOL ShowWindow(HWND window, int show) {
  vxh::dialogs::ControlState& state = vxh::dialogs::ControlOfWindow(window, "ShowWindow");
  const BOOL was_visible = state.visible ? TRUE : FALSE;
  state.visible = show != SW_HIDE;
  return was_visible;
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
  vxh::dialogs::ControlOfWindow(window, "SetWindowTextA").text = text != nullptr ? text : "";
  return TRUE;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM) {
  vxh::dialogs::ControlState& state = vxh::dialogs::ControlOfWindow(window, "SendMessageA");
  if (message != LB_GETCURSEL && message != LB_SETCURSEL)
    throw vxh::HostFault("SendMessageA: message " + std::to_string(message) +
                         " is not one the host answers (LB_GETCURSEL, LB_SETCURSEL)");
  if (state.tpl->kind != vxh::dialogs::ControlKind::kList)
    throw vxh::HostFault("SendMessageA: list box messages go to list boxes");
  return vxh::dialogs::ListMessage(state, message, wparam);
}

}  // extern "C"
