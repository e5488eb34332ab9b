#include "headless/session/host_messages.h"

#include <array>

#include "headless/host_error.h"
#include "host/host_api.h"

namespace vxh {

namespace {

struct HostMessage {
  int number;
  const char* text;
};

constexpr std::array<HostMessage, 4> kHostMessages{{
    {vx::kMsgSelectEntities, "Select entities:"},
    {4237, "Move from point:"},
    {4238, "Place at:"},
    {4268, "Copy from point:"},
}};

}  // namespace

std::string HostMessageText(int number) {
  for (const HostMessage& m : kHostMessages)
    if (m.number == number) return m.text;
  throw HostFault("the host has no message number " + std::to_string(number));
}

const char* BoxTitleFor(int style) {
  switch (style) {
    case vx::kBoxWarning: return "Warning";
    case vx::kBoxError: return "Error";
    case vx::kBoxYesNo: return "Question";
    default: return "Message";
  }
}

}  // namespace vxh
