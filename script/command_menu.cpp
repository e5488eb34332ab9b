// VXCMENU: a popup menu read from a text file, shown at the mouse; the chosen
// item's command text runs as a script.
#include <cstring>
#include <memory>
#include <string_view>

#include "host/host_api.h"
#include "host/message_boxes.h"
#include "host/win_api.h"
#include "script/menu_file.h"
#include "script/script_commands.h"
#include "script/script_requests.h"

namespace vx {

namespace {

// Return the chosen identifier, track with the right button, send nothing.
constexpr UINT kMenuFlags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY;
constexpr char kTooLong[] = "The menu command is longer than 255 characters and was not run";

ScriptState& State() { return ScriptUtilities(); }

void Insert(HMENU menu, UINT position, const MenuEntry& entry) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_ID | (entry.separator ? 0 : MIIM_STRING);
  info.fType = entry.separator ? MFT_SEPARATOR : MFT_STRING;
  info.wID = entry.command_at;
  info.dwTypeData = const_cast<char*>(entry.label.c_str());
  info.cch = static_cast<UINT>(entry.label.size());
  InsertMenuItemA(menu, position, TRUE, &info);
}

// The identifier of the chosen item; 0 when the menu was dismissed.
UINT ShowMenu(HMENU menu, std::string_view data) {
  UINT position = 0;
  for (const MenuEntry& entry : ReadMenuEntries(data)) Insert(menu, position++, entry);
  POINT at{};
  GetCursorPos(&at);
  return static_cast<UINT>(TrackPopupMenuEx(menu, kMenuFlags, at.x, at.y, static_cast<HWND>(GetMainWin()), nullptr));
}

// Copies the chosen command into the command buffer; false when there is none
// to run. A command that does not fit is refused rather than run cut short.
bool TakeCommand(std::string_view data, UINT chosen) {
  if (chosen == 0) return false;
  const std::string_view command = CommandTextAt(data, chosen);
  if (command.empty()) return false;
  ScriptState& s = State();
  if (command.size() >= sizeof s.command) {
    ShowWarning(kTooLong);
    return false;
  }
  std::memcpy(s.command, command.data(), command.size());
  s.command[command.size()] = '\0';
  return true;
}

struct GiveBackFile {
  void operator()(void* block) const { RelMem(block); }
};

bool RunMenu(const char* file_name) {
  std::uint32_t size = 0;
  // The menu waits for the user; a host that ends the command while it waits
  // (a script error in the headless host) unwinds through here, and the
  // file's block goes back either way.
  const std::unique_ptr<void, GiveBackFile> data(LoadFile(file_name, &size));
  if (data == nullptr) return false;
  bool chosen = false;
  if (size > 0) {
    if (HMENU menu = CreatePopupMenu()) {
      const std::string_view text(static_cast<const char*>(data.get()), size);
      chosen = TakeCommand(text, ShowMenu(menu, text));
      DestroyMenu(menu);
    }
  }
  return chosen;
}

void MenuNameGiven(int status) {
  ScriptState& s = State();
  if (status == kStatusDefault) std::memcpy(s.menu_name, s.previous_menu_name, sizeof s.menu_name);
  if (status != kStatusAnswered && status != kStatusDefault) return CmdEnd();
  if (RunMenu(s.menu_name)) ExecScriptCopy(s.command);
  CmdEnd();
}

}  // namespace

void CommandMenuCommand() {
  ScriptState& s = State();
  std::memcpy(s.previous_menu_name, s.menu_name, sizeof s.menu_name);
  AskFileName(s.menu_name, MenuNameGiven);
}

}  // namespace vx
