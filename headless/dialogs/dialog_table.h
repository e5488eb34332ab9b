// The dialogs defined with DefDlg and not yet released. The session owns the
// table; dialogs a command left behind (it stopped with an error before
// RelDlg) are freed with it.
#pragma once

#include <set>
#include <string>
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

  // A picture of the dialog of template `name`, as it stands each time it
  // waits for an answer, written to `path` (.png or .svg); nothing when
  // `name` is empty.
  void AskForPicture(std::string name, std::string path) {
    picture_name_ = std::move(name);
    picture_path_ = std::move(path);
  }
  // The file the picture of that template goes to; empty when none is asked for.
  std::string PicturePath(const std::string& name) const {
    return !picture_name_.empty() && picture_name_ == name ? picture_path_ : std::string();
  }

 private:
  std::set<vx::Dlg*> live_;
  std::string picture_name_;
  std::string picture_path_;
};

// The running session's table; a HostFault naming `operation` when no
// session runs. The session defines it.
DialogTable& RunningDialogs(const char* operation);

}  // namespace vxh::dialogs
