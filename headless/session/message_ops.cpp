// Message boxes, prompt-record formatting and progress: FormSt, ProgressMsg,
// ShowProgress.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "headless/format/prompt_format.h"
#include "headless/host_error.h"
#include "headless/session/host_messages.h"
#include "headless/session/session_core.h"
#include "host/host_api.h"

namespace vx {

namespace {

constexpr int kFormMessageBox = -1;
constexpr int kFormPromptRecord = 0;
constexpr std::intptr_t kFormatIntoMessageBox = 2;
constexpr int kProgressBarWidth = 40;

std::string g_progress_text;

int ShowFormattedRecord(const void* item, std::intptr_t last) {
  const std::string text = vxh::FormatPromptRecord(*static_cast<const PromptRecord*>(item));
  if (last == kFormatIntoMessageBox) {
    return vxh::SessionCore::Active("FormSt").MessageBox(text, vxh::BoxTitleFor(kBoxMessage), kBoxMessage);
  }
  if (last == 0) throw vxh::HostFault("FormSt: no buffer for the formatted prompt record");
  std::memcpy(reinterpret_cast<char*>(last), text.c_str(), text.size() + 1);
  return static_cast<int>(text.size());
}

}  // namespace

extern "C" int KVAPI FormSt(const void* item, int n, const char* title, std::intptr_t last) {
  if (item == nullptr) throw vxh::HostFault("FormSt: no text or prompt record");
  if (n == kFormPromptRecord && title == nullptr) return ShowFormattedRecord(item, last);
  if (n != kFormMessageBox)
    throw vxh::HostFault("FormSt: n = " + std::to_string(n) + " is not a form the host knows");
  const int style = static_cast<int>(last);
  const char* shown_title = title != nullptr ? title : vxh::BoxTitleFor(style);
  return vxh::SessionCore::Active("FormSt").MessageBox(static_cast<const char*>(item), shown_title, style);
}

extern "C" void KVAPI ProgressMsg(const char* text) {
  g_progress_text = text != nullptr ? text : "";
  vxh::SessionCore::Active("ProgressMsg").Log().Progress(g_progress_text);
}

// The bar is for a person watching; it goes to stderr only when that is a
// terminal and never into the transcript.
extern "C" void KVAPI ShowProgress(int done, int total) {
  if (isatty(STDERR_FILENO) == 0 || total <= 0) return;
  const int clamped = done < 0 ? 0 : (done > total ? total : done);
  const int filled = static_cast<int>(static_cast<long long>(clamped) * kProgressBarWidth / total);
  std::fprintf(stderr, "\r%s [%s%s] %3d%%", g_progress_text.c_str(), std::string(filled, '#').c_str(),
               std::string(kProgressBarWidth - filled, ' ').c_str(),
               static_cast<int>(static_cast<long long>(clamped) * 100 / total));
  if (clamped == total) std::fputc('\n', stderr);
  std::fflush(stderr);
}

}  // namespace vx
