// The dialogs defined with DefDlg and not yet released. The session owns the
// table; dialogs a command left behind (it stopped with an error before
// RelDlg) are freed with it.
#pragma once

#include <set>

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

 private:
  std::set<vx::Dlg*> live_;
};

// The running session's table; a HostFault naming `operation` when no
// session runs. The session defines it.
DialogTable& RunningDialogs(const char* operation);

}  // namespace vxh::dialogs
