// VXTEDIT and VXTEDITDBG: a clicked text opens in the pack's text dialog; OK
// writes it back, "New position" moves it and "Insert copy" places copies.
// The debug variant shows each step in a message box.
#include "frame/keyboard_hook.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/layer_helpers.h"
#include "host/message_boxes.h"
#include "host/record.h"
#include "text/text_access.h"
#include "text/text_commands.h"
#include "text/text_editor.h"
#include "text/text_frame.h"
#include "text/text_placement.h"
#include "text/text_state.h"
#include "text/text_template.h"

namespace vx {

namespace {

constexpr char kEditPrompt[] = "Select text to edit: ";
constexpr char kFoundMessage[] = "01: Found pEntRec";
constexpr char kNotHandledMessage[] = "02: Error in MyTextEdit - calling normal EEdit";
constexpr char kOkMessage[] = "03: MyTextEdit returned OK";
constexpr char kMoveMessage[] = "03: MyTextEdit returned move button";
constexpr char kCopyMessage[] = "03: MyTextEdit returned copy button";
constexpr char kCancelMessage[] = "03: MyTextEdit was cancelled";

TextEditorState& Editor() { return Text().editor; }

void Debug(const char* text) {
  if (Editor().edit_debug) ShowMessage(text);
}

// Texts inside symbol instances belong to the symbol and are not offered;
// texts inside groups are.
int CollectVisit(DList* list, Entity e, std::intptr_t, std::intptr_t) {
  if (const std::uint8_t* origin = GetTextOrigin(e)) {
    if (!IsLayerHidden(GetU16(e, kHdrLayer))) AddCandidate(Text().candidates, list, e, origin, nullptr);
    return 0;
  }
  if (GetI8(e, kHdrKind) != kKindGroup) return 0;
  if (DList* members = list->MemberList(e)) members->Walk(&CollectVisit, kWalkAll, 0, 0);
  return 0;
}

void EditPicked(int status);

void AskEdit() {
  ClearCandidates(Text().candidates);
  GetWorkDL()->Walk(&CollectVisit, kWalkAll, 0, 0);
  InstallKeyboardHook(KeyHookMode::kLettersPass);
  AskQuickPick(kEditPrompt, kPickFlagsNumber, &EditPicked);
}

void NextEdit() {
  ShowChanges();
  AskEdit();
}

// OK: the text takes the dialog's string and spec, as one undo step.
void WriteBack(DList* list, Entity record) {
  TextEditorState& e = Editor();
  e.edited_list = list;
  e.edited = record;
  WriteIntoEdited(TextTemplate(), false);
}

void StartEdit(DList* list, Entity record) {
  Debug(kFoundMessage);
  EMark(0, record);
  ShowChanges();
  const int result = MyTextEdit(record);
  if (result == kEditNotHandled) {
    // Without a template the command has already ended after its message.
    if (TextTemplate() == nullptr) return;
    Debug(kNotHandledMessage);
    GetWorkDL()->UndoMark();
    if (EEdit(record) != 0) return;
    return NextEdit();
  }
  if (result == kIdOk) {
    Debug(kOkMessage);
    WriteBack(list, record);
    return NextEdit();
  }
  if (result == kEditNewPosition) {
    Debug(kMoveMessage);
    Editor().edited_list = list;
    Editor().edited = record;
    ClearCandidates(Text().candidates);
    return PlaceText(kPlaceMovesEdited | kPlaceKeepsSpec);
  }
  EDraw(0, record);
  if (result == kEditInsertCopy) {
    Debug(kCopyMessage);
    ShowChanges();
    ClearCandidates(Text().candidates);
    return PlaceText(kPlaceKeepsSpec);
  }
  Debug(kCancelMessage);
  NextEdit();
}

void EditPicked(int status) {
  RemoveKeyboardHook();
  TextState& text = Text();
  if (status != kStatusAnswered) {
    ClearCandidates(text.candidates);
    return CmdEnd();
  }
  const TextCandidate* nearest = NearestCandidate(text.candidates, text.point);
  DList* list = nearest != nullptr ? nearest->list : nullptr;
  Entity record = nearest != nullptr ? nearest->record : nullptr;
  ClearCandidates(text.candidates);
  if (record == nullptr) return NextEdit();
  StartEdit(list, record);
}

void StartTextEdit(int debug) {
  Editor().edit_debug = debug;
  AskEdit();
}

}  // namespace

void TextEditCommand() { StartTextEdit(0); }
void TextEditDebugCommand() { StartTextEdit(1); }

}  // namespace vx
