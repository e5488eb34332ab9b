// ShellExecuteA opens nothing on a headless host; the transcript says what a
// user's browser would have been asked to open.
#include <cstdint>
#include <string>

#include "headless/host_error.h"
#include "headless/script/modal_input.h"
#include "host/win_api.h"

namespace {

// Results above 32 mean success.
constexpr std::uintptr_t kOpened = 42;

}  // namespace

extern "C" HINSTANCE ShellExecuteA(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, int) {
  if (verb == nullptr || std::string(verb) != "open")
    throw vxh::HostFault(std::string("ShellExecuteA: only the verb \"open\" is supported, got \"") +
                         (verb != nullptr ? verb : "(none)") + "\"");
  if (file == nullptr || *file == '\0') throw vxh::HostFault("ShellExecuteA: nothing to open");
  vxh::script::RunningModalInput("ShellExecuteA").Log().Shell(std::string("open ") + file);
  return reinterpret_cast<HINSTANCE>(kOpened);
}
