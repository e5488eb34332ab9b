// The text editor's entry points for the other families.
#pragma once

#include "host/kv_types.h"

namespace vx {

// Places a string with no dialog (the measuring commands).
void PlaceTextString(const char* string);

// The picked text's spec becomes the host's text defaults and its string the
// editor's (the same-as command).
void LoadTextIntoEditor(Entity text);

// What MyTextEdit returns besides OK (1) and cancel (any other value).
inline constexpr int kEditNotHandled = -1;  // not a text the pack's dialog takes
inline constexpr int kEditNewPosition = 1009;
inline constexpr int kEditInsertCopy = 1010;

// The text dialog on a text of the drawing; the template takes what the user
// typed.
int MyTextEdit(Entity text);

}  // namespace vx
