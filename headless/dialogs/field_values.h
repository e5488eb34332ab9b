// The text an edit shows for a bound field, and the field a typed text gives.
// Value type codes as in prompt records: 0 and 2 texts, 3 a 16-bit and 5 a
// 32-bit integer, 9 a float, 10 and 16 doubles, 12 a point "x,y", 17 a float
// angle and 19 a double angle (both shown and typed in degrees, kept in
// radians).
#pragma once

#include <string>
#include <string_view>

#include "headless/dialogs/dialog_object.h"

namespace vxh::dialogs {

std::string FormatField(const Binding& binding);

// Writes the typed text into the field; a BadInput naming `control` when the
// text does not fit the field.
void WriteField(const Binding& binding, std::string_view text, const std::string& control);

}  // namespace vxh::dialogs
