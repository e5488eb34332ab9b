#include "frame/dialog_helpers.h"

namespace vx {

HWND ControlWindow(Dlg* dialog, int control) { return GetDlgItem(static_cast<HWND>(GetDlgWin(dialog)), control); }

void EnableControl(Dlg* dialog, int control, int flag) {
  if (flag != 0) {
    EnAbCtl(dialog, control);
  } else {
    DsAbCtl(dialog, control);
  }
}

void ShowControl(Dlg* dialog, int control, int flag) {
  ShowWindow(ControlWindow(dialog, control), flag != 0 ? SW_SHOW : SW_HIDE);
}

}  // namespace vx
