#include "headless/session/command_protocol.h"

#include "headless/host_error.h"

namespace vxh {

void CommandProtocol::Fault(const std::string& what) {
  const std::string name = name_.empty() ? std::string("the pack") : name_;
  Abandon();
  throw HostFault("command protocol: " + name + " " + what);
}

void CommandProtocol::Start(const std::string& name, bool may_end_silently) {
  if (running_) Fault("is still running when " + name + " starts");
  name_ = name;
  running_ = true;
  about_ = may_end_silently;
  pending_ = false;
  ended_ = false;
}

void CommandProtocol::Request() {
  if (!running_) {
    name_.clear();
    Fault("issued a request (ReqData) while no command runs");
  }
  if (ended_) Fault("issued a request after CmdEnd");
  if (pending_) Fault("issued a request while one is pending");
  pending_ = true;
}

void CommandProtocol::Answered() { pending_ = false; }

void CommandProtocol::End() {
  if (!running_) {
    name_.clear();
    Fault("called CmdEnd while no command runs");
  }
  if (ended_) Fault("called CmdEnd a second time");
  if (pending_) Fault("called CmdEnd while its request is pending");
  ended_ = true;
}

bool CommandProtocol::StepReturned() {
  if (!running_) return true;
  if (pending_) return false;
  if (ended_ || about_) {
    Abandon();
    return true;
  }
  Fault("returned with neither a pending request nor CmdEnd");
}

void CommandProtocol::Abandon() {
  running_ = false;
  about_ = false;
  pending_ = false;
  ended_ = false;
}

}  // namespace vxh
