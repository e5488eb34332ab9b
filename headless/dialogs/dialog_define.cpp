// Defining and releasing dialogs: DefDlg (and the host's own dialogs), RelDlg
// and the window handles of dialogs and their controls.
#include <memory>
#include <string>

#include "headless/dialogs/dialog_object.h"
#include "headless/dialogs/dialog_table.h"
#include "headless/dialogs/template_library.h"
#include "headless/host_error.h"
#include "headless/win/windows.h"
#include "headless/win/windows_state.h"

namespace vxh::dialogs {

DialogTable::~DialogTable() {
  for (vx::Dlg* d : live_) delete d;
}

vx::Dlg& LiveDialog(vx::Dlg* dialog, const char* operation) {
  if (dialog == nullptr || !RunningDialogs(operation).Contains(dialog))
    throw HostFault(std::string(operation) + ": not a dialog made by DefDlg (or already released)");
  return *dialog;
}

vx::Dlg* DialogOfWindow(HWND window, int* control) {
  for (vx::Dlg* d : RunningDialogs("a window message").Live()) {
    if (d->window == window) {
      if (control != nullptr) *control = 0;
      return d;
    }
    for (auto& [id, state] : d->controls)
      if (state.window == window) {
        if (control != nullptr) *control = id;
        return d;
      }
  }
  return nullptr;
}

vx::Dlg* DefineDialog(const DialogTemplate& tpl, vx::DlgInit init) {
  auto dialog = std::make_unique<vx::Dlg>();
  dialog->tpl = &tpl;
  dialog->init = init;
  win::WindowsState& windows = win::RunningWindows("DefDlg");
  dialog->window = win::NewWindow(windows, win::MainWindow(windows));
  for (const ControlTemplate& c : tpl.controls) {
    if (c.id == kNoId) continue;
    ControlState& state = dialog->controls[c.id];
    state.tpl = &c;
    state.window = win::NewWindow(windows, dialog->window);
    state.enabled = !c.Disabled();
    state.visible = c.Visible();
    state.text = c.text;
  }
  RunningDialogs("DefDlg").Add(dialog.get());
  return dialog.release();
}

}  // namespace vxh::dialogs

namespace vx {

vxh::dialogs::ControlState& Dlg::Control(int id, const char* operation) {
  const auto it = controls.find(id);
  if (it == controls.end())
    throw vxh::HostFault(std::string(operation) + ": the dialog " + tpl->name + " has no control " +
                         std::to_string(id));
  return it->second;
}

extern "C" {

Dlg* KVAPI DefDlg(const char* resource, int, int, DlgInit init, int, int) {
  if (resource == nullptr) throw vxh::HostFault("DefDlg: no resource name");
  const vxh::dialogs::DialogTemplate* tpl = vxh::dialogs::FindDialogTemplate(resource);
  if (tpl == nullptr) throw vxh::HostFault(std::string("DefDlg: the pack's resources have no dialog ") + resource);
  return vxh::dialogs::DefineDialog(*tpl, init);
}

void KVAPI RelDlg(Dlg* dialog) {
  Dlg& d = vxh::dialogs::LiveDialog(dialog, "RelDlg");
  if (d.running) throw vxh::HostFault("RelDlg: the dialog " + d.Name() + " is still running");
  vxh::win::WindowsState& windows = vxh::win::RunningWindows("RelDlg");
  for (auto& [id, state] : d.controls) vxh::win::ForgetWindow(windows, state.window);
  vxh::win::ForgetWindow(windows, d.window);
  vxh::dialogs::RunningDialogs("RelDlg").Remove(dialog);
  delete dialog;
}

void* KVAPI GetDlgWin(Dlg* dialog) { return vxh::dialogs::LiveDialog(dialog, "GetDlgWin").window; }

}  // extern "C"

}  // namespace vx
