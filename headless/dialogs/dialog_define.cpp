// Defining and releasing dialogs: DefDlg (and the host's own dialogs), RelDlg
// and the window handles of dialogs and their controls.
#include <memory>
#include <set>
#include <string>

#include "headless/dialogs/dialog_object.h"
#include "headless/dialogs/template_library.h"
#include "headless/host_error.h"
#include "headless/win/windows.h"

namespace vxh::dialogs {

namespace {

std::set<vx::Dlg*> g_live;

}  // namespace

vx::Dlg& LiveDialog(vx::Dlg* dialog, const char* operation) {
  if (dialog == nullptr || g_live.count(dialog) == 0)
    throw HostFault(std::string(operation) + ": not a dialog made by DefDlg (or already released)");
  return *dialog;
}

void ReleaseAllDialogs() {
  for (vx::Dlg* d : g_live) {
    for (auto& [id, state] : d->controls) win::ForgetWindow(state.window);
    win::ForgetWindow(d->window);
    delete d;
  }
  g_live.clear();
}

vx::Dlg* DialogOfWindow(HWND window, int* control) {
  for (vx::Dlg* d : g_live) {
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
  dialog->window = win::NewWindow(win::MainWindow());
  for (const ControlTemplate& c : tpl.controls) {
    if (c.id == kNoId) continue;
    ControlState& state = dialog->controls[c.id];
    state.tpl = &c;
    state.window = win::NewWindow(dialog->window);
    state.enabled = !c.Disabled();
    state.visible = c.Visible();
    state.text = c.text;
  }
  g_live.insert(dialog.get());
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
  for (auto& [id, state] : d.controls) vxh::win::ForgetWindow(state.window);
  vxh::win::ForgetWindow(d.window);
  vxh::dialogs::g_live.erase(dialog);
  delete dialog;
}

void* KVAPI GetDlgWin(Dlg* dialog) { return vxh::dialogs::LiveDialog(dialog, "GetDlgWin").window; }

}  // extern "C"

}  // namespace vx
