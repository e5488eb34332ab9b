// The way the increment, replace, sequence and case commands work: after
// their dialog, either every text the command's rule can change becomes a
// candidate and the user clicks near the text to change (quick pick), or the
// user selects entities and every selected text the rule accepts is changed
// at once (selection mode). A command supplies its rule, its prompts and its
// keys; the frame does the rest.
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

// Quick-pick point prompt flags.
inline constexpr int kPickFlagsNumber = 0x40002c;   // numbers accepted, plain prompt
inline constexpr int kPickFlagsRecord = 0x40002d;   // the same with a prompt record
inline constexpr int kPickFlagsNoNumber = 0x40000c;  // case conversion

// Runs a dialog whose controls `bind` ties to the settings; true for OK.
bool RunTextDialog(const char* resource, DlgInit init, void (*bind)(Dlg* dialog));

// Starts quick pick or selection mode for the command.
void StartTextCommand(const TextCommand& command, int pick_mode);

// The quick-pick continuation and the selection continuation of the frame.
void QuickPickAnswered(const TextCommand& command, int status);
void SelectionAnswered(const TextCommand& command);

// A point prompt with TrackNearest, answered into the frame's point buffer.
void AskQuickPick(const void* prompt, int flags, Continuation next);

// Clears the candidates and ends the command.
void EndTextCommand();

// A message box titled "Message", closed by a right click as well.
void ShowTextMessage(const char* text);

}  // namespace vx
