// Formats a prompt record: its text with "!01".."!09" replaced by the values of
// the record's entries, each shown according to its value type code.
#pragma once

#include <string>

#include "host/prompt_record.h"

namespace vxh {

// Decimals used when an entry asks for the host's default (255).
inline constexpr int kDefaultRealDecimals = 4;   // reals, lengths, points
inline constexpr int kDefaultAngleDecimals = 2;  // angles, in degrees
// More decimals than a double holds are not shown.
inline constexpr int kMaxDecimals = 17;

// A placeholder whose entry has no value pointer, or whose number is not
// 01..09, stays in the text as it is. An unknown value type code, or a record
// without text, is a HostFault naming the problem.
std::string FormatPromptRecord(const vx::PromptRecord& record);

}  // namespace vxh
