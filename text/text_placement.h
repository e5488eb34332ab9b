// Placing the text template with the mouse: the prompt, its preview and
// what each answer does.
#pragma once

#include <cstdint>

#include "host/kv_types.h"

namespace vx {

// Starts the placement prompt with the template as it is (kPlaceMovesEdited,
// kPlaceKeepsSpec).
void PlaceText(int flags);

// The edited text (TextEditorState) takes the template, as one undo step;
// without a new point it keeps its own insertion point.
void WriteIntoEdited(std::uint8_t* templ, bool new_point);

// The surround entity of the mode around a placed text, added to the working
// list; nothing in mode none.
void AddSurround(const std::uint8_t* text, int mode);

// The help dialog on the template's spec (text_help.cpp).
void RunTextHelpDialog();

// Applies a style key to the template (style_keys.cpp).
void ApplyStyleKey(std::uint8_t key);

}  // namespace vx
