// The running session's host state, for the functions the pack calls: only
// they look the session up; the engines below take the state they use.
#include "headless/session/host_state.h"

#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/files/host_paths.h"
#include "headless/script/view_state.h"
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

ViewState& CurrentViewState() { return SessionCore::Active("the view").View(); }

std::string HostFolder() {
  if (const SessionCore* session = SessionCore::ActiveOrNull()) return session->HostPath();
  return DefaultHostPath();
}

SettingsTables* RunningTablesOrNull() {
  if (SessionCore* session = SessionCore::ActiveOrNull()) return &session->Doc().Tables();
  return nullptr;
}

registry::RegistryState& registry::RunningRegistry(const char* operation) {
  return SessionCore::Active(operation).Host().registry;
}

hostcmd::CommandMemory& hostcmd::Memory(const char* command) { return SessionCore::Active(command).Host().commands; }

}  // namespace vxh
