// The running session's host state, for the functions the pack calls: only
// they look the session up; the engines below take the state they use.
#include "headless/session/host_state.h"

#include "headless/session/session_core.h"

namespace vxh {

win::WindowsState& win::RunningWindows(const char* operation) { return SessionCore::Active(operation).Host().windows; }

dialogs::DialogTable& dialogs::RunningDialogs(const char* operation) {
  return SessionCore::Active(operation).Host().dialogs;
}

screen::ScreenState& screen::RunningScreen(const char* operation) {
  return SessionCore::Active(operation).Host().screen;
}

MatrixStack& RunningMatrixStack(const char* operation) { return SessionCore::Active(operation).Host().matrices; }

script::ModalInput& script::RunningModalInput(const char* operation) { return SessionCore::Active(operation); }

hostcmd::CommandMemory& hostcmd::Memory(const char* command) { return SessionCore::Active(command).Host().commands; }

}  // namespace vxh
