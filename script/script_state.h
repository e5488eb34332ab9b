// What the script utilities keep in the pack's state object: the variable
// names, value and decimals offered again by the next run, the menu and log
// file names, and the log text. None of it is stored in the registry.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/prompt_record.h"

namespace vx {

// Names and texts answered at a prompt: 259 characters and the NUL.
inline constexpr std::size_t kScriptNameBytes = 260;
inline constexpr std::size_t kMenuCommandBytes = 256;
inline constexpr std::size_t kLogTextBytes = 1024;
// Room for any double in fixed notation with the most decimals VXGVD asks
// for: 309 digits, a sign, a point and 32 decimals.
inline constexpr std::size_t kFormattedValueBytes = 400;

struct ScriptState {
  char name_a[kScriptNameBytes] = {};  // VXGVD, VXKEYSTAT, VXGTH
  char name_b[kScriptNameBytes] = {};  // VXGETFNAMEM, VXGETLAYERNAMEM
  double real_value = 0;
  std::int32_t decimals = 0;
  char menu_name[kScriptNameBytes] = {};
  char previous_menu_name[kScriptNameBytes] = {};
  char command[kMenuCommandBytes] = {};  // the chosen menu item's command text
  char log_name[kScriptNameBytes] = "#VXLogFile.txt";
  char previous_log_name[kScriptNameBytes] = {};
  char log_text[kLogTextBytes] = {};
  // "Filename [!01]: " offering the menu or log file name being asked for.
  PromptRecord file_prompt;
};

}  // namespace vx
