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
#include "text/text_command.h"

namespace vx {

// Quick-pick point prompt flags.
inline constexpr int kPickFlagsNumber = 0x40002c;    // numbers accepted, plain prompt
inline constexpr int kPickFlagsRecord = 0x40002d;    // the same with a prompt record
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
