// Message boxes, prompt-record formatting and progress: FormSt, ProgressMsg,
// ShowProgress.
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
  if (n != kFormMessageBox) throw vxh::HostFault("FormSt: n = " + std::to_string(n) + " is not a form the host knows");
  const int style = static_cast<int>(last);
  const char* shown_title = title != nullptr ? title : vxh::BoxTitleFor(style);
  return vxh::SessionCore::Active("FormSt").MessageBox(static_cast<const char*>(item), shown_title, style);
}

extern "C" void KVAPI ProgressMsg(const char* text) {
  vxh::SessionCore::Active("ProgressMsg").Progress(text != nullptr ? text : "");
}

extern "C" void KVAPI ShowProgress(int done, int total) {
  vxh::SessionCore::Active("ShowProgress").Bar().Show(done, total);
}

}  // namespace vx
