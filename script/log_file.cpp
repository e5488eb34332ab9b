// VXLOGFILEINIT names the log file; VXLOGFILEWRITE appends one line to it.
// The name lives as long as the pack is loaded and is never stored.
#include <cstdio>
#include <cstring>

#include "host/host_api.h"
#include "script/script_commands.h"
#include "script/script_requests.h"

namespace vx {

namespace {

constexpr char kLogTextPrompt[] = "Write to log file: ";
// The host's full names fit the Windows path size.
constexpr std::size_t kFullNameBytes = 260;

ScriptState& State() { return ScriptUtilities(); }

void LogNameGiven(int status) {
  ScriptState& s = State();
  if (status == kStatusDefault) std::memcpy(s.log_name, s.previous_log_name, sizeof s.log_name);
  CmdEnd();
}

// A log that cannot be opened is skipped: a script's log never stops it.
void AppendLine(const char* log_name, const char* text) {
  char path[kFullNameBytes] = {};
  if (FullFileName(log_name, path) == 0 || path[0] == '\0') return;
  std::FILE* file = std::fopen(path, "a");
  if (file == nullptr) return;
  std::fputs(text, file);
  std::fputs("\n", file);
  std::fclose(file);
}

void LogTextGiven(int status) {
  ScriptState& s = State();
  if (status == kStatusAnswered) AppendLine(s.log_name, s.log_text);
  CmdEnd();
}

}  // namespace

void LogFileInitCommand() {
  ScriptState& s = State();
  std::memcpy(s.previous_log_name, s.log_name, sizeof s.log_name);
  AskFileName(s.log_name, LogNameGiven);
}

void LogFileWriteCommand() { ReqData(kReqText1, State().log_text, kLogTextPrompt, kModeDefault, LogTextGiven, 0, 0); }

}  // namespace vx
