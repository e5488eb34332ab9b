#include "headless/session/progress_bar.h"

#include <unistd.h>

namespace vxh {

namespace {

constexpr int kBarWidth = 40;

}  // namespace

void ProgressBar::Start(std::string_view text) {
  Finish();
  text_ = text;
  shown_ = -1;
  ended_ = false;
}

void ProgressBar::Show(int done, int total) {
  if (!terminal_ || total <= 0 || ended_) return;
  const int clamped = done < 0 ? 0 : (done > total ? total : done);
  const int percent = static_cast<int>(static_cast<long long>(clamped) * 100 / total);
  if (percent < shown_) {
    ended_ = true;
    return Finish();
  }
  if (percent == shown_) return;
  Draw(percent);
  if (percent == 100) {
    ended_ = true;
    Finish();
  }
}

void ProgressBar::Draw(int percent) {
  const int filled = percent * kBarWidth / 100;
  std::fprintf(out_, "\r%s [%s%s] %3d%%", text_.c_str(), std::string(filled, '#').c_str(),
               std::string(kBarWidth - filled, ' ').c_str(), percent);
  std::fflush(out_);
  shown_ = percent;
  open_ = true;
}

void ProgressBar::Finish() {
  if (!open_) return;
  std::fputc('\n', out_);
  std::fflush(out_);
  open_ = false;
}

bool StderrIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

}  // namespace vxh
