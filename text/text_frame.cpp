#include "text/text_frame.h"

#include "frame/entry_point.h"
#include "frame/keyboard_hook.h"
#include "frame/mouse_hook.h"
#include "frame/pack_state.h"
#include "host/drawing_list.h"
#include "host/message_boxes.h"
#include "host/win_api.h"
#include "text/text_access.h"
#include "text/text_walks.h"

namespace vx {

namespace {

// Mode of the entity selection prompt.
constexpr std::intptr_t kModeSelectEntities = 11;

constexpr char kNoMoreMatching[] = "No more matching text strings";

void ReissuePrompt(const TextCommand& command) {
  if (command.key_hook) InstallKeyboardHook(KeyHookMode::kLettersPass);
  command.ask_point();
}

// A click: the nearest candidate is changed and keeps its place in the list,
// unless the command drops texts that no longer match. False when the command
// ended because none is left.
bool ChangeNearest(const TextCommand& command) {
  TextState& text = Text();
  TextCandidate* nearest = NearestCandidate(text.candidates, text.point);
  if (nearest == nullptr) return true;
  GetWorkDL()->UndoMark();
  nearest->record = command.pick_change(nearest->list, nearest->record, nearest->context);
  ShowChanges();
  if (!command.drops_changed || command.matches(GetTextString(nearest->record))) return true;
  RemoveCandidate(text.candidates, nearest);
  if (!text.candidates.empty()) return true;
  ShowTextMessage(kNoMoreMatching);
  EndTextCommand();
  return false;
}

// A cancelled prompt: the key that ended it decides; none is a real Escape.
bool KeyEndedPrompt(const TextCommand& command) {
  const std::uint8_t key = command.key_hook ? LastKey() : 0;
  if (key == 0) {
    EndTextCommand();
    return false;
  }
  if (command.key_pressed != nullptr) command.key_pressed(key);
  return true;
}

}  // namespace

bool RunTextDialog(const char* resource, DlgInit init, void (*bind)(Dlg* dialog)) {
  Dlg* dialog = DefDlg(resource, 0, 0, init, 0, 0);
  bind(dialog);
  const int result = Dialog(dialog, PackRegistration().module, 0);
  RelDlg(dialog);
  return result == kIdOk;
}

void StartTextCommand(const TextCommand& command, int pick_mode) {
  TextState& text = Text();
  text.running = command;
  if (pick_mode != kPickQuick) {
    ReqData(kReqSelect, nullptr, command.selection_prompt, kModeSelectEntities, command.selected, 0, 0);
    return;
  }
  CollectCandidates(command, kWalkAll);
  if (command.no_match_message != nullptr && text.candidates.empty()) {
    ShowTextMessage(command.no_match_message);
    EndTextCommand();
    return;
  }
  ReissuePrompt(command);
}

void QuickPickAnswered(const TextCommand& command, int status) {
  if (command.key_hook) RemoveKeyboardHook();
  bool going_on = true;
  if (status == kStatusAnswered) {
    going_on = ChangeNearest(command);
  } else if (status == kStatusNumber && command.typed_number != nullptr) {
    command.typed_number(Text().point[0]);
  } else {
    going_on = KeyEndedPrompt(command);
  }
  if (going_on) ReissuePrompt(command);
}

void SelectionAnswered(const TextCommand& command) {
  GetWorkDL()->UndoMark();
  ApplyToSelection(command);
  ShowChanges();
  EndTextCommand();
}

void AskQuickPick(const void* prompt, int flags, Continuation next) {
  ReqData(kReqPoint2, Text().point, prompt, DragMode(&TrackNearest), next, flags, 0);
}

void EndTextCommand() {
  TextState& text = Text();
  ClearCandidates(text.candidates);
  text.running = {};
  CmdEnd();
}

void ShowTextMessage(const char* text) {
  InstallMouseHook();
  ShowMessage(text);
  RemoveMouseHook();
}

}  // namespace vx
