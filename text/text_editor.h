// The text editor's entry points for the other families.
#pragma once

#include "host/kv_types.h"

namespace vx {

// Places a string with no dialog (the measuring commands).
void PlaceTextString(const char* string);

// The picked text's spec becomes the host's text defaults and its string the
// editor's (the same-as command).
void LoadTextIntoEditor(Entity text);

}  // namespace vx
