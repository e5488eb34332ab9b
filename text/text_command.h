// What one of the text rule commands brings to the shared frame: its rule,
// its prompts and its keys (text_frame.h).
#pragma once

#include <cstdint>

#include "host/host_api.h"
#include "host/kv_types.h"

namespace vx {

struct TextCommand {
  // The rule: which strings the command can change, and the change itself,
  // which returns the record (moved when it was resized).
  bool (*matches)(const char* text);
  Entity (*change)(DList* list, Entity record, Entity context);
  // The change made by a click; the same as `change` unless a modifier key
  // makes a difference.
  Entity (*pick_change)(DList* list, Entity record, Entity context);
  // Text sequence leaves out texts on frozen layers and drops the selection
  // mark of every top-level entity that does not match.
  bool skip_frozen = false;
  bool release_unmatched = false;
  // Quick pick: the message for an empty list (null: none); whether a changed
  // text that no longer matches leaves the list; whether the prompt runs with
  // the keyboard hook.
  const char* no_match_message = nullptr;
  bool drops_changed = false;
  bool key_hook = true;
  // Issues the quick-pick point prompt with the command's continuation.
  void (*ask_point)() = nullptr;
  // A number typed at the prompt, and a command key (the last key) pressed.
  void (*typed_number)(double number) = nullptr;
  void (*key_pressed)(std::uint8_t key) = nullptr;
  // Selection mode: the prompt and its continuation.
  const char* selection_prompt = nullptr;
  Continuation selected = nullptr;
};

}  // namespace vx
