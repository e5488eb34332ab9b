// The fields the hatch dialogs' controls are bound to. The records keep their
// numbers at odd offsets and the binders take plain ints and doubles, so a
// dialog works on these copies and the record takes them back when it closes.
#pragma once

#include <cstddef>
#include <string_view>

#include "hatch/hatch_layout.h"
#include "hatch/hatch_records.h"

namespace vx {

// DLGHATCHCMD: the options record's fields and the two pattern lists'
// selections.
struct CommandDialogFields {
  int method = 0;
  int kind = 0;
  int modify = 0;
  int previews = 0;
  double modify_scale = 1;
  double modify_rotation = 0;
  double modify_offset[2] = {0, 0};
  char search[kOptSearchTextBytes] = {};
  int preview_selection = -1;  // list 1043
  int plain_selection = -1;    // list 1044
};

// DLGHATCHOPT and its DLGSAVE: the settings record's fields.
struct LinePatternFields {
  double angle = 0;
  double distance = 0;
  double offset[2] = {0, 0};
  int scan_on[kScanLineCount] = {};
  double scan_offset[kScanLineCount] = {};
  char scan_style[kScanLineCount][kSetScanStyleBytes] = {};
  int scale_offsets = 0;
  char saved_name[kSetNameBytes] = {};  // the saved-settings combo
  char new_name[kSetNameBytes] = {};    // DLGSAVE
};

void FieldsFromOptions(const HatchOptions& options, CommandDialogFields& fields);
void OptionsFromFields(const CommandDialogFields& fields, HatchOptions& options);
void FieldsFromSettings(const HatchSettings& settings, LinePatternFields& fields);
void SettingsFromFields(const LinePatternFields& fields, HatchSettings& settings);

// Copies a text into a fixed buffer, cut to fit, always NUL-terminated.
void CopyText(char* buffer, std::size_t size, std::string_view text);

}  // namespace vx
