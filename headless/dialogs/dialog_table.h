// The dialogs defined with DefDlg and not yet released. The session owns the
// table; dialogs a command left behind (it stopped with an error before
// RelDlg) are freed with it.
#pragma once

#include <functional>
#include <set>
#include <utility>

namespace vx {
struct Dlg;
}

namespace vxh::dialogs {

class DialogTable {
 public:
  DialogTable() = default;
  ~DialogTable();
  DialogTable(const DialogTable&) = delete;
  DialogTable& operator=(const DialogTable&) = delete;

  void Add(vx::Dlg* dialog) { live_.insert(dialog); }
  void Remove(vx::Dlg* dialog) { live_.erase(dialog); }
  bool Contains(vx::Dlg* dialog) const { return live_.count(dialog) != 0; }
  const std::set<vx::Dlg*>& Live() const { return live_; }

  // Shown every dialog as it stands each time it waits for an answer, its
  // owner-drawn controls painted: the session's picture of a dialog, a
  // test's look at the controls.
  using Watcher = std::function<void(const vx::Dlg&)>;
  void WatchWaiting(Watcher watcher) { watcher_ = std::move(watcher); }
  void Waiting(const vx::Dlg& dialog) const {
    if (watcher_) watcher_(dialog);
  }

 private:
  std::set<vx::Dlg*> live_;
  Watcher watcher_;
};

// The running session's table; a HostFault naming `operation` when no
// session runs. The session defines it.
DialogTable& RunningDialogs(const char* operation);

}  // namespace vxh::dialogs
