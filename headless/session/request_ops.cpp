// ReqData and CmdEnd: the pack's requests go to the running session, which
// answers them from the script and calls the continuation from its own loop.
#include <string>

#include "headless/format/prompt_format.h"
#include "headless/host_error.h"
#include "headless/session/host_messages.h"
#include "headless/session/session_core.h"
#include "host/host_api.h"

namespace vx {

namespace {

bool KnownKind(int kind) {
  switch (kind) {
    case kReqText:
    case kReqText1:
    case kReqPoint2:
    case kReqPoint3:
    case kReqDistance:
    case kReqAngle:
    case kReqReal:
    case kReqInteger:
    case kReqSelect:
    case kReqPick: return true;
    default: return false;
  }
}

std::string PromptText(const void* prompt, int flags) {
  if (prompt == nullptr) return "";
  if ((flags & kReqPromptRecord) != 0) return vxh::FormatPromptRecord(*static_cast<const PromptRecord*>(prompt));
  const auto number = reinterpret_cast<std::uintptr_t>(prompt);
  if (number <= kLargestMessageNumber) return vxh::HostMessageText(static_cast<int>(number));
  return static_cast<const char*>(prompt);
}

}  // namespace

extern "C" int KVAPI ReqData(int kind, void* buffer, const void* prompt, std::intptr_t mode, Continuation next,
                             int flags, int /*extra*/) {
  vxh::SessionCore& session = vxh::SessionCore::Active("ReqData");
  if (!KnownKind(kind)) throw vxh::HostFault("ReqData: unknown request kind " + std::to_string(kind));
  if (next == nullptr) throw vxh::HostFault("ReqData: the request has no continuation");
  if (buffer == nullptr && kind != kReqSelect)
    throw vxh::HostFault("ReqData: request kind " + std::to_string(kind) + " has no buffer for its answer");
  vxh::PendingRequest request;
  request.kind = kind;
  request.buffer = buffer;
  request.prompt = PromptText(prompt, flags);
  request.mode = mode;
  request.next = next;
  request.flags = flags;
  session.Request(std::move(request));
  return 1;
}

extern "C" void KVAPI CmdEnd() { vxh::SessionCore::Active("CmdEnd").EndCommand(); }

}  // namespace vx
