// DLGHATCHOPT, the simple line pattern editor, and DLGSAVE, which names a
// new saved settings record.
#include <string>

#include "frame/dialog_helpers.h"
#include "frame/entry_point.h"
#include "hatch/hatch_dialogs.h"
#include "hatch/hatch_state.h"
#include "hatch/hatch_storage.h"
#include "host/drawing_list.h"
#include "host/host_api.h"
#include "host/prompt_record.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "host/win_api.h"

namespace vx {

namespace {

constexpr char kTemplate[] = "DLGHATCHOPT";
constexpr char kSaveTemplate[] = "DLGSAVE";

enum Control : int {
  kSavedCombo = 1022,
  kNew = 1023,
  kDelete = 1024,
  kAngleEdit = 1037,
  kDistanceEdit = 1002,
  kOffsetEdit = 1003,
  kScaleOffsets = 1011,
  kSaveName = 1026,
};

struct ScanLineControls {
  int on, offset, style;
};
constexpr ScanLineControls kScanLines[kScanLineCount] = {
    {1004, 1005, 1006}, {1007, 1009, 1010}, {1014, 1015, 1016}, {1017, 1018, 1019}};

constexpr int kNumberWidth = 25;
constexpr int kOffsetWidth = 50;
constexpr int kNameChars = static_cast<int>(kSetNameBytes) - 1;
// The question text: the name of a saved record is at most 255 characters.
constexpr std::size_t kQuestionBytes = 300;

LinePatternFields& Fields() { return Hatch().line_dialog; }

// Scan line 1 is always drawn; the others only while switched on.
void EnableScanLines(Dlg* d, int = 0) {
  for (std::size_t i = 1; i < kScanLineCount; ++i) {
    const int on = Fields().scan_on[i] != 0 ? 1 : 0;
    EnableControl(d, kScanLines[i].offset, on);
    EnableControl(d, kScanLines[i].style, on);
  }
}

void FillLineStyles(Dlg* d) {
  DList* work = GetWorkDL();
  std::uint8_t* table = work != nullptr ? work->SettingsTable(kTableLineStyles) : nullptr;
  for (const ScanLineControls& c : kScanLines) {
    ClrCmbStr(d, c.style);
    if (table == nullptr) continue;
    std::uint8_t* record = table + FirstRecordOffset(kTableLineStyles);
    for (std::uint32_t size = GetU32(record, kRecSize); size != 0; size = GetU32(record, kRecSize)) {
      AddCmbStr(d, c.style, reinterpret_cast<const char*>(record + kLStyleName));
      record += size;
    }
  }
}

void FillSavedSettings(Dlg* d) {
  ClrCmbStr(d, kSavedCombo);
  SavedSettingsList saved;
  ListHatchSettings(saved);
  for (const std::string& name : saved.names) AddCmbStr(d, kSavedCombo, name.c_str());
  CopyText(Fields().saved_name, sizeof Fields().saved_name, Hatch().settings.Name());
  UpdCtl(d, kSavedCombo);
}

// The record takes the controls' values before it is saved under another name.
void KeepEdits() { SettingsFromFields(Fields(), Hatch().settings); }

void SavedSettingsChosen(Dlg* d, int) {
  HatchState& h = Hatch();
  h.settings.SetName(h.line_dialog.saved_name);
  LoadHatchSettings(h.line_dialog.saved_name);
  FieldsFromSettings(h.settings, h.line_dialog);
  UpdCtlA(d);
  EnableScanLines(d);
}

int SaveAsNew(Dlg* d, int) {
  HatchState& h = Hatch();
  LinePatternFields& f = h.line_dialog;
  CopyText(f.new_name, sizeof f.new_name, h.settings.Name());
  Dlg* save = DefDlg(kSaveTemplate, 0, 0, nullptr, 0, 0);
  __EDCTL(save, kSaveName, f.new_name, kValText, kNameChars, kDefaultDecimals);
  const int result = Dialog(save, PackRegistration().module, 0);
  RelDlg(save);
  if (result == kIdOk) {
    KeepEdits();
    h.settings.SetName(f.new_name);
    SaveHatchSettings(f.new_name);
    h.options.SetSettingsName(f.new_name);
  }
  FillSavedSettings(d);
  return 0;
}

int DeleteSaved(Dlg* d, int) {
  char name[kQuestionBytes];
  if (GetCmbStr(d, kSavedCombo, FndCmbStr(d, kSavedCombo, Fields().saved_name), name) < 0) return 0;
  char question[kQuestionBytes + 40];
  wsprintfA(question, "Are sure you want to delete:\n\n%s", name);
  if (FormSt(question, -1, "", kBoxYesNo) != kAnswerYes) return 0;
  DeleteHatchSettings(name);
  FillSavedSettings(d);
  return 0;
}

void Opened(Dlg* d) {
  FillLineStyles(d);
  for (const ScanLineControls& c : kScanLines) UpdCtl(d, c.style);
  FillSavedSettings(d);
  EnableScanLines(d);
}

void Bind(Dlg* d, LinePatternFields& f) {
  __CMBCTL(d, kSavedCombo, f.saved_name, kValText, sizeof f.saved_name, SavedSettingsChosen);
  __BTNCTL(d, kNew, SaveAsNew, nullptr);
  __BTNCTL(d, kDelete, DeleteSaved, nullptr);
  __EDCTL(d, kAngleEdit, &f.angle, kValAngle, kNumberWidth, kDefaultDecimals);
  __EDCTL(d, kDistanceEdit, &f.distance, kValLength, kNumberWidth, kDefaultDecimals);
  __EDCTL(d, kOffsetEdit, f.offset, kValPoint, kOffsetWidth, kDefaultDecimals);
  for (std::size_t i = 0; i < kScanLineCount; ++i) {
    const ScanLineControls& c = kScanLines[i];
    __CHKCTL(d, c.on, &f.scan_on[i], 0, EnableScanLines);
    __EDCTL(d, c.offset, &f.scan_offset[i], kValLength, kNumberWidth, kDefaultDecimals);
    __CMBCTL(d, c.style, f.scan_style[i], kValText, kSetScanStyleBytes, nullptr);
  }
  __CHKCTL(d, kScaleOffsets, &f.scale_offsets, 0, nullptr);
}

}  // namespace

void RunLinePatternDialog() {
  HatchState& h = Hatch();
  const std::string in_use(h.options.SettingsName());
  LoadHatchSettings(in_use.c_str());
  FieldsFromSettings(h.settings, h.line_dialog);
  Dlg* d = DefDlg(kTemplate, 0, 0, Opened, 0, 0);
  Bind(d, h.line_dialog);
  const int result = Dialog(d, PackRegistration().module, 0);
  RelDlg(d);
  // Cancel keeps the edits in memory until the next load, and saves nothing.
  KeepEdits();
  if (result == kIdOk) SaveHatchSettings(std::string(h.options.SettingsName()).c_str());
}

}  // namespace vx
