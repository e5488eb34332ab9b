// The requests the script utilities share: the variable name, the file name
// offered as the default, and a value formatted the host's way.
#pragma once

#include <cstdint>

#include "host/kv_types.h"
#include "script/script_state.h"

namespace vx {

ScriptState& ScriptUtilities();

// "Variable:" into `name`; `next` runs with the status.
void AskVariableName(char* name, Continuation next);

// "Filename [!01]: " offering `name`, whose buffer takes the answer.
void AskFileName(char* name, Continuation next);

// `value` of prompt-record type `type` formatted by FormSt with `decimals`,
// into `out` of kFormattedValueBytes.
void FormatValue(const void* value, std::uint8_t type, std::uint8_t decimals, char* out);

}  // namespace vx
