// VXHATCH: the hatch dialog. The user chooses the fill method, the pattern
// kind and the pattern, may modify the pattern, and OK starts the chosen
// method's fill command as if it had been typed.
#include <cstdio>
#include <string>

#include "frame/dialog_helpers.h"
#include "frame/entry_point.h"
#include "frame/link_button.h"
#include "hatch/hatch_commands.h"
#include "hatch/hatch_dialogs.h"
#include "hatch/hatch_state.h"
#include "hatch/hatch_storage.h"
#include "hatch/method_commands.h"
#include "hatch/pat_files.h"
#include "hatch/pattern_choices.h"
#include "host/host_api.h"
#include "host/message_boxes.h"
#include "host/prompt_record.h"
#include "host/win_api.h"

namespace vx {

namespace {

constexpr char kTemplate[] = "DLGHATCHCMD";

enum Control : int {
  kScan = 1012,
  kSmart = 1029,
  kRegular = 1030,
  kLines = 1039,
  kKorvex = 1040,
  kPatFile = 1041,
  kListLabel = 1058,
  kPreviewList = 1043,
  kPlainList = 1044,
  kEditPatterns = 1036,
  kSearch = 1048,
  kModify = 1046,
  kScaleLabel = 1047,
  kRotateLabel = 1049,
  kOffsetLabel = 1051,
  kScaleEdit = 1059,
  kRotateEdit = 1060,
  kOffsetEdit = 1003,
  kPreviews = 1045,
  kLink = 1050,
};

constexpr int kNumberWidth = 25;
constexpr int kPointWidth = 35;
// List entries are at most this long (the host's limit), NUL included.
constexpr int kEntryBytes = 256;

CommandDialogFields& Fields() { return Hatch().command_dialog; }

void EnableEditPatterns(Dlg* d) { EnableControl(d, kEditPatterns, Fields().kind != kKindKorvex ? 1 : 0); }

void EnableModifyFields(Dlg* d) {
  const int on = Fields().modify != 0 ? 1 : 0;
  for (const int id : {kScaleLabel, kRotateLabel, kOffsetLabel, kScaleEdit, kRotateEdit, kOffsetEdit})
    EnableControl(d, id, on);
}

void FillPatternList(Dlg* d) {
  HatchState& h = Hatch();
  CommandDialogFields& f = h.command_dialog;
  ClrLstStr(d, kPreviewList);
  ClrLstStr(d, kPlainList);
  for (const PatternChoice& choice : PatternChoices(f.kind, f.search, h.patterns)) {
    const int index = AddLstStr(d, kPreviewList, choice.name.c_str());
    SetLstData(d, kPreviewList, index, choice.reference);
    AddLstStr(d, kPlainList, choice.name.c_str());
  }
  const std::string chosen(ChosenPatternName(h.options, f.kind));
  const int selected = chosen.empty() ? -1 : FndLstStr(d, kPreviewList, chosen.c_str());
  f.preview_selection = selected;
  f.plain_selection = selected;
  UpdCtl(d, kPreviewList);
  UpdCtl(d, kPlainList);
  SetWindowTextA(ControlWindow(d, kListLabel), PatternListLabel(f.search).c_str());
}

// Scan/paint and the smart hatch fill with simple line patterns only.
void MethodChanged(Dlg* d, int) {
  CommandDialogFields& f = Fields();
  if (f.method != kMethodRegular && f.kind != kKindSimpleLines) {
    f.kind = kKindSimpleLines;
    for (const int id : {kLines, kKorvex, kPatFile}) UpdCtl(d, id);
    FillPatternList(d);
  }
  EnableModifyFields(d);
  EnableEditPatterns(d);
}

void KindChanged(Dlg* d, int) {
  CommandDialogFields& f = Fields();
  if (f.method != kMethodRegular) {
    f.method = kMethodRegular;
    for (const int id : {kScan, kSmart, kRegular}) UpdCtl(d, id);
  }
  FillPatternList(d);
  EnableEditPatterns(d);
}

void PatternSelected(Dlg* d, int control) {
  CommandDialogFields& f = Fields();
  const int index = control == kPreviewList ? f.preview_selection : f.plain_selection;
  char name[kEntryBytes];
  if (GetLstStr(d, control, index, name) < 0) return;
  SetChosenPatternName(Hatch().options, f.kind, name);
}

void PreviewsChanged(Dlg* d, int) {
  const bool previews = Fields().previews != 0;
  const int shown = previews ? kPreviewList : kPlainList;
  const int hidden = previews ? kPlainList : kPreviewList;
  const LRESULT selection = SendMessageA(ControlWindow(d, hidden), LB_GETCURSEL, 0, 0);
  SendMessageA(ControlWindow(d, shown), LB_SETCURSEL, static_cast<WPARAM>(selection), 0);
  ShowControl(d, shown, 1);
  ShowControl(d, hidden, 0);
  if (previews) UpdCtl(d, kPreviewList);
}

int EditPatterns(Dlg* d, int) {
  HatchState& h = Hatch();
  if (h.command_dialog.kind == kKindSimpleLines) {
    RunLinePatternDialog();
  } else if (h.command_dialog.kind == kKindPatFile) {
    RunPatFilesDialog();
    FreePatList(h.patterns);
  }
  FillPatternList(d);
  return 0;
}

int SearchPattern(Dlg* d, int) {
  if (RunPatternSearchDialog(Fields().search)) FillPatternList(d);
  return 0;
}

void Opened(Dlg* d) {
  MethodChanged(d, 0);
  FillPatternList(d);
  PreviewsChanged(d, 0);
}

void Bind(Dlg* d, CommandDialogFields& f) {
  __RBCTL(d, kScan, &f.method, kMethodScan, MethodChanged);
  __RBCTL(d, kSmart, &f.method, kMethodSmart, MethodChanged);
  __RBCTL(d, kRegular, &f.method, kMethodRegular, MethodChanged);
  __RBCTL(d, kLines, &f.kind, kKindSimpleLines, KindChanged);
  __RBCTL(d, kKorvex, &f.kind, kKindKorvex, KindChanged);
  __RBCTL(d, kPatFile, &f.kind, kKindPatFile, KindChanged);
  __LSTCTL(d, kPreviewList, &f.preview_selection, PatternSelected, DrawPatternPreview);
  __LSTCTL(d, kPlainList, &f.plain_selection, PatternSelected, nullptr);
  __BTNCTL(d, kEditPatterns, EditPatterns, nullptr);
  __BTNCTL(d, kSearch, SearchPattern, nullptr);
  __CHKCTL(d, kModify, &f.modify, 0, MethodChanged);
  __EDCTL(d, kScaleEdit, &f.modify_scale, kValDouble, kNumberWidth, kDefaultDecimals);
  __EDCTL(d, kRotateEdit, &f.modify_rotation, kValAngle, kNumberWidth, kDefaultDecimals);
  __EDCTL(d, kOffsetEdit, f.modify_offset, kValPoint, kPointWidth, kDefaultDecimals);
  __CHKCTL(d, kPreviews, &f.previews, 0, PreviewsChanged);
  __BTNCTL(d, kLink, LinkButtonPress, LinkButtonDraw);
}

void StartMethod(std::int32_t method) {
  if (const char* name = MethodCommandName(method)) {
    ExecScriptCopy(name);
    return;
  }
  char text[80];
  std::snprintf(text, sizeof text, "The hatch method %d is not one of 0, 1 and 2", static_cast<int>(method));
  ShowMessage(text);
}

}  // namespace

void HatchDialogCommand() {
  LoadHatchOptions();
  HatchState& h = Hatch();
  FieldsFromOptions(h.options, h.command_dialog);
  Dlg* d = DefDlg(kTemplate, 0, 0, Opened, 0, 0);
  Bind(d, h.command_dialog);
  const int result = Dialog(d, PackRegistration().module, 0);
  RelDlg(d);
  FreePatList(h.patterns);
  if (result == kIdOk) {
    OptionsFromFields(h.command_dialog, h.options);
    SaveHatchOptions();
    StartMethod(h.command_dialog.method);
  }
  CmdEnd();
}

}  // namespace vx
