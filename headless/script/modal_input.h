// The running script as modal windows see it: dialogs, popup menus and file
// dialogs take the script's next tokens themselves while the command that
// opened them waits, and say in the transcript what they did.
#pragma once

#include <initializer_list>
#include <string>

#include "headless/script/event.h"
#include "headless/script/token.h"
#include "headless/script/transcript.h"

namespace vxh::script {

class ModalInput {
 public:
  virtual Transcript& Log() = 0;
  // The next token; a BadInput naming `waiting` when the script ends first.
  virtual Token NextModalToken(const std::string& waiting) = 0;
  // The next event that answers a modal window: one of `answers` or <esc>.
  // Input events on the way (keys, mouse, held keys, view) are delivered as
  // usual; any other token is a BadInput.
  virtual Event NextModalEvent(const std::string& waiting, std::initializer_list<EventKind> answers) = 0;
  // A key, mouse or key-state event, delivered as Windows would deliver it.
  virtual void DeliverEvent(const Event& event) = 0;
  // A text token with its variables expanded.
  virtual std::string ExpandText(const Token& token) const = 0;

 protected:
  ~ModalInput() = default;
};

// The running session's input; a HostFault naming `operation` when no session
// runs. The session defines it.
ModalInput& RunningModalInput(const char* operation);

}  // namespace vxh::script
