// A dialog of the headless host: its template, the bindings of its controls
// to the pack's fields, and the state each control shows.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "headless/dialogs/dialog_template.h"
#include "headless/win/paint_ops.h"
#include "host/host_api.h"
#include "host/win_api.h"

namespace vxh::dialogs {

enum class BindingKind { kNone, kEdit, kButton, kCheck, kRadio, kCombo, kList };

struct Binding {
  BindingKind kind = BindingKind::kNone;
  void* value = nullptr;
  int type = 0;   // edits and combo boxes: the value type code
  int width = 0;  // edits: most characters; combo texts: buffer size
  int decimals = 255;
  int mask = 0;    // check boxes
  int choice = 0;  // radio buttons
  vx::DlgChange change = nullptr;
  vx::DlgPress press = nullptr;
  vx::DlgDraw draw = nullptr;
};

struct ListEntry {
  std::string text;
  std::intptr_t data = 0;
};

struct ControlState {
  const ControlTemplate* tpl = nullptr;
  HWND window = nullptr;
  bool enabled = true;
  bool visible = true;
  std::string text;
  bool checked = false;
  std::vector<ListEntry> entries;  // list and combo boxes
  int selection = -1;
  Binding binding;
};

}  // namespace vxh::dialogs

namespace vx {

struct Dlg {
  const vxh::dialogs::DialogTemplate* tpl = nullptr;
  DlgInit init = nullptr;
  HWND window = nullptr;
  std::map<int, vxh::dialogs::ControlState> controls;  // by id
  int focus = 0;                                       // the id of the focused control, 0 for the dialog
  bool running = false;
  bool closed = false;
  int result = 0;
  // What each owner-drawn control painted when the dialog was last drawn.
  std::map<int, std::vector<vxh::win::PaintOp>> painted;

  // The control; a HostFault naming the operation when the template has none.
  vxh::dialogs::ControlState& Control(int id, const char* operation);
  std::string Name() const { return tpl->name; }
};

}  // namespace vx

namespace vxh::dialogs {

// The dialog behind a window handle of a dialog or one of its controls, among
// the running session's dialogs.
vx::Dlg* DialogOfWindow(HWND window, int* control);

// A dialog of the template, as DefDlg makes one; the host's own dialogs
// (its editor) are made here too. Released with RelDlg.
vx::Dlg* DefineDialog(const DialogTemplate& tpl, vx::DlgInit init);

// A HostFault when the pointer is not one of the running session's dialogs.
vx::Dlg& LiveDialog(vx::Dlg* dialog, const char* operation);

}  // namespace vxh::dialogs
