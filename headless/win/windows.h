// The windows of the headless host: the command line that has the focus while
// a prompt waits, the main window, and the modal windows (dialogs and message
// boxes) stacked over them, each with its controls.
#pragma once

#include <optional>

#include "host/win_api.h"

namespace vxh::win {

struct WindowsState;

// A dialog or message box while it runs. Messages the script's events send to
// it or to one of its controls arrive here.
class ModalWindow {
 public:
  virtual ~ModalWindow() = default;
  virtual HWND Window() const = 0;
  virtual HWND Focus() const = 0;
  // A key that reached the window unswallowed (Escape, Enter, ...).
  virtual void OnKey(int virtual_key) = 0;
  virtual void OnClose() = 0;  // WM_CLOSE
};

void PushModal(WindowsState& state, ModalWindow* window);
void PopModal(WindowsState& state, ModalWindow* window);
ModalWindow* TopModal(const WindowsState& state);

// A new window handle; controls name their parent.
HWND NewWindow(WindowsState& state, HWND parent);
void ForgetWindow(WindowsState& state, HWND window);
bool IsWindowOf(const WindowsState& state, HWND window, HWND top);  // the window itself or a child

HWND CommandWindow(WindowsState& state);
HWND MainWindow(WindowsState& state);

}  // namespace vxh::win
