// The host's own editor dialog (HOSTEDIT of headless/resources/): the string
// of a text-bearing record, an attribute's tag and prompt, and the height and
// angle of those with a text format block; the controls of fields the record
// does not hold are disabled. Answered by the script like any dialog:
// `{103="New value"; 104=3.5; 105=90; press ok}`.
#pragma once

#include <optional>

#include "headless/drawing/text_record_edit.h"

namespace vxh::dialogs {

inline constexpr int kHostEditTag = 101;
inline constexpr int kHostEditPrompt = 102;
inline constexpr int kHostEditText = 103;
inline constexpr int kHostEditHeight = 104;
inline constexpr int kHostEditAngle = 105;  // degrees
// Characters each text box takes: the host's editor is also where texts too
// long for the pack's own editor go.
inline constexpr int kHostEditLimit = 1 << 20;

// Runs the dialog on the fields; the edited fields after OK, nothing after
// Cancel. OK with a height that is not greater than 0 shows an error and
// leaves the dialog open.
std::optional<TextFields> RunHostEditor(const TextFields& fields);

}  // namespace vxh::dialogs
