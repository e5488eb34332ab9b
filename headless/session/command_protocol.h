// The rules every command keeps with the host: one command at a time, at most
// one pending request, and each handler or continuation returns either with a
// request pending or after CmdEnd, which it calls once. A broken rule is a
// HostFault naming the command. The About handler may end without CmdEnd.
#pragma once

#include <string>

namespace vxh {

class CommandProtocol {
 public:
  // A command starts; a HostFault when one is already running.
  void Start(const std::string& name, bool may_end_silently);
  void Request();   // ReqData
  void Answered();  // the host took the pending request's answer
  void End();       // CmdEnd
  // A handler or continuation has returned: true when the command is over.
  bool StepReturned();
  // Forgets the command after an error.
  void Abandon();

  bool Running() const { return running_; }
  bool Pending() const { return pending_; }
  const std::string& Name() const { return name_; }

 private:
  [[noreturn]] void Fault(const std::string& what);

  std::string name_;
  bool running_ = false;
  bool about_ = false;
  bool pending_ = false;
  bool ended_ = false;
};

}  // namespace vxh
