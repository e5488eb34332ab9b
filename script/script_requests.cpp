#include "script/script_requests.h"

#include <cstring>

#include "frame/pack_state.h"
#include "host/host_api.h"

namespace vx {

namespace {

constexpr char kVariablePrompt[] = "Variable:";
constexpr char kFileNamePrompt[] = "Filename [!01]: ";
constexpr char kValueOnly[] = "!01";
// The host's flag for variable-name prompts.
constexpr int kVariableNameFlags = 0x40;
constexpr std::intptr_t kOneAnswer = 1;

}  // namespace

ScriptState& ScriptUtilities() { return Pack().script; }

void AskVariableName(char* name, Continuation next) {
  ReqData(kReqText, name, kVariablePrompt, kOneAnswer, next, kVariableNameFlags, 0);
}

void AskFileName(char* name, Continuation next) {
  PromptRecord& prompt = ScriptUtilities().file_prompt;
  prompt = PromptRecord{};
  prompt.text = kFileNamePrompt;
  prompt.entry[0] = PromptEntry{name, kValText, 0, kWidthCode, kDefaultDecimals};
  ReqData(kReqText1, name, &prompt, kOneAnswer, next, kReqPromptRecord, 0);
}

void FormatValue(const void* value, std::uint8_t type, std::uint8_t decimals, char* out) {
  PromptRecord record;
  record.text = kValueOnly;
  record.entry[0] = PromptEntry{value, type, 0, kWidthCode, decimals};
  out[0] = '\0';
  FormSt(&record, 0, nullptr, reinterpret_cast<std::intptr_t>(out));
  out[kFormattedValueBytes - 1] = '\0';
}

}  // namespace vx
