// VXTEXT, VXTEXTML, VXTEXTB and VXTEXTC: a text typed in the pack's text
// dialog, then placed with the mouse as often as wanted.
#include <cstring>

#include "frame/dialog_helpers.h"
#include "frame/entry_point.h"
#include "frame/mouse_hook.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "text/text_commands.h"
#include "text/text_editor.h"
#include "text/text_placement.h"
#include "text/text_state.h"
#include "text/text_template.h"

namespace vx {

namespace {

enum Control : int {
  kSingleLineEdit = 1000,
  kMultiLineEdit = 1001,
  kMultilineCheck = 1007,
  kPropertiesButton = 1008,
  kNewPositionButton = 1009,
  kInsertCopyButton = 1010,
};

// The host's text-spec dialog on a given spec rather than on its defaults.
constexpr int kTextSpecDialogOwn = 2;

TextEditorState& Editor() { return Text().editor; }

void ShowEditBox(Dlg* d, int shown, int hidden) {
  HideCtl(d, hidden);
  ShowCtl(d, shown);
  UpdCtl(d, shown);
  FocusCtl(d, shown);
}

// A text with line breaks is always edited in the multi-line box.
void SwitchEditBox(Dlg* d) {
  const char* string = reinterpret_cast<const char*>(TextTemplate() + kTextString);
  if (std::strchr(string, '\r') != nullptr) {
    ShowEditBox(d, kMultiLineEdit, kSingleLineEdit);
    Editor().multiline = 1;
    UpdCtl(d, kMultilineCheck);
  } else if (Editor().multiline) {
    ShowEditBox(d, kMultiLineEdit, kSingleLineEdit);
  } else {
    ShowEditBox(d, kSingleLineEdit, kMultiLineEdit);
  }
}

void MultilineChanged(Dlg* d, int) { SwitchEditBox(d); }

void InitNewText(Dlg* d) {
  HideCtl(d, kNewPositionButton);
  HideCtl(d, kInsertCopyButton);
  SwitchEditBox(d);
}

int NewTextProperties(Dlg*, int) {
  TSpecDialog(nullptr, 0);
  return 0;
}

void BindEditor(Dlg* d, DlgPress properties) {
  char* string = reinterpret_cast<char*>(TextTemplate() + kTextString);
  __EDCTL(d, kSingleLineEdit, string, kValLongText, static_cast<int>(kTemplateStringMax), 0);
  __EDCTL(d, kMultiLineEdit, string, kValLongText, static_cast<int>(kTemplateStringMax), 0);
  __CHKCTL(d, kMultilineCheck, &Editor().multiline, 0, &MultilineChanged);
  __BTNCTL(d, kPropertiesButton, properties, nullptr);
}

// The dialog for a new text; its result, 1 also for a right click.
int RunNewTextDialog() {
  Dlg* d = DefDlg("DLGTEX", 0, 0, &InitNewText, 0, 0);
  BindEditor(d, &NewTextProperties);
  InstallMouseHook();
  const int result = Dialog(d, PackRegistration().module, 0);
  RemoveMouseHook();
  RelDlg(d);
  return RightClickSeen() ? kIdOk : result;
}

void TextDialogCommand(int surround) {
  Editor().surround = surround;
  std::uint8_t* templ = TextTemplateOrMessage();
  if (templ == nullptr) return CmdEnd();
  if (RunNewTextDialog() != kIdOk || templ[kTextString] == 0) return CmdEnd();
  PlaceText(0);
}

// The dialog for a text of the drawing: the template holds its spec and string.
int EditTextProperties(Dlg*, int) {
  TSpecDialog(TextTemplate() + kTextSpec, kTextSpecDialogOwn);
  return 0;
}

// A string the template cannot hold whole is not offered for editing.
bool StringFitsTemplate(Entity text) {
  const std::uint32_t size = GetU32(text, kHdrSize);
  if (size <= kTextString) return false;
  const std::size_t room = size - kTextString;
  const std::size_t length = strnlen(reinterpret_cast<const char*>(text + kTextString), room);
  return length < room && length < kTemplateStringMax;
}

}  // namespace

int MyTextEdit(Entity text) {
  std::uint8_t* templ = TextTemplateOrMessage();
  if (templ == nullptr) {
    CmdEnd();
    return kEditNotHandled;
  }
  if (GetI8(text, kHdrKind) != kKindText || !StringFitsTemplate(text)) return kEditNotHandled;
  CopyTextIntoTemplate(templ, text);
  Editor().multiline = std::strchr(reinterpret_cast<const char*>(templ + kTextString), '\r') != nullptr;
  Dlg* d = DefDlg("DLGTEX", 0, 0, &SwitchEditBox, 0, 0);
  BindEditor(d, &EditTextProperties);
  // Bound without a routine, both buttons close the dialog with their own id.
  __BTNCTL(d, kNewPositionButton, nullptr, nullptr);
  __BTNCTL(d, kInsertCopyButton, nullptr, nullptr);
  InstallMouseHook();
  const int result = Dialog(d, PackRegistration().module, 0);
  RemoveMouseHook();
  RelDlg(d);
  return RightClickSeen() ? kIdOk : result;
}

void NewTextCommand() { TextDialogCommand(kSurroundNone); }

void NewTextMultilineCommand() {
  Editor().multiline = 1;
  TextDialogCommand(kSurroundNone);
}

void NewTextBoxCommand() { TextDialogCommand(kSurroundBox); }
void NewTextCircleCommand() { TextDialogCommand(kSurroundCircle); }

void PlaceTextString(const char* string) {
  Editor().surround = kSurroundNone;
  std::uint8_t* templ = TextTemplateOrMessage();
  if (templ == nullptr) return CmdEnd();
  const std::size_t length = strnlen(string, kTemplateStringMax);
  std::memcpy(templ + kTextString, string, length);
  templ[kTextString + length] = 0;
  PlaceText(0);
}

void LoadTextIntoEditor(Entity text) {
  if (std::uint8_t* defaults = MakeFirstTextDefaultsCurrent()) {
    std::memcpy(defaults + kTextDefaultsSpec, text + kTextSpec, kTextSpecBytes);
    PutU16(defaults + kTextDefaultsSpec, kSpecStyleRef, 0);
  }
  Editor().surround = kSurroundNone;
  std::uint8_t* templ = TextTemplateOrMessage();
  if (templ == nullptr) return;
  const std::uint32_t size = GetU32(text, kHdrSize);
  if (size <= kTextString) return;
  const std::size_t length = strnlen(reinterpret_cast<const char*>(text + kTextString), size - kTextString);
  if (length < kTemplateStringMax && length < size - kTextString) {
    std::memcpy(templ + kTextString, text + kTextString, length + 1);
  }
}

}  // namespace vx
