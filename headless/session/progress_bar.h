// The progress bar of ProgressMsg and ShowProgress, for a person watching:
// drawn on stderr only when it is a terminal, never moving backwards, and
// always ending its line before anything else can be written after it.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vxh {

class ProgressBar {
 public:
  ProgressBar(std::FILE* out, bool terminal) : out_(out), terminal_(terminal) {}
  ~ProgressBar() { Finish(); }
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  // ProgressMsg: a new stage with its own bar, labelled with `text` (UTF-8).
  void Start(std::string_view text);
  // ShowProgress. A step backwards (the pack's ShowProgress(0, 1) when it
  // is done) ends the bar where it stands; reaching the whole ends it full.
  void Show(int done, int total);
  // Ends the line of a bar that is drawn (a command ends, a message box
  // shows, the session stops).
  void Finish();

 private:
  void Draw(int percent);

  std::FILE* out_;
  bool terminal_;
  std::string text_;
  int shown_ = -1;     // percent last drawn in this stage
  bool open_ = false;  // a bar is on the line, without its line end
  bool ended_ = false;
};

// Whether stderr is a terminal, the condition for drawing a bar at all.
bool StderrIsTerminal();

}  // namespace vxh
