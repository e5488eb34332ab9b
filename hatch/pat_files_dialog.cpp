// DLGACADPAT, the list of registered PAT files, and DLGSEARCH, the pattern
// name search of the hatch dialog.
#include <cstring>
#include <string>
#include <vector>

#include "frame/entry_point.h"
#include "hatch/hatch_dialog_fields.h"
#include "hatch/hatch_dialogs.h"
#include "hatch/pat_files.h"
#include "host/host_api.h"
#include "host/prompt_record.h"
#include "host/win_api.h"

namespace vx {

namespace {

constexpr char kFilesTemplate[] = "DLGACADPAT";
constexpr char kSearchTemplate[] = "DLGSEARCH";

enum Control : int {
  kFileList = 1054,
  kAddFile = 1052,
  kDeleteFile = 1024,
  kSearchEdit = 1056,
};

// The open-file dialog's filter: pairs of description and pattern, ended by
// an empty description.
constexpr char kPatFilter[] = "AutoCAD Pattern files (*.PAT)\0*.PAT\0";
// Paths as the registry enumerates value names.
constexpr std::size_t kPathBytes = 260;
constexpr std::size_t kQuestionBytes = kPathBytes + 40;
constexpr int kSearchChars = static_cast<int>(kOptSearchTextBytes) - 1;

void ShowPatFiles(Dlg* d) {
  std::vector<std::string> files;
  if (!ListPatFiles(files)) return;
  ClrLstStr(d, kFileList);
  for (const std::string& file : files) AddLstStr(d, kFileList, file.c_str());
}

int AddFile(Dlg* d, int) {
  char path[kPathBytes] = {};
  OpenFileRecord record{"", path, "PAT", kPatFilter, sizeof path, 0, 1, 0};
  if (GetOpenFN("Add pattern file", &record) != 1) return 0;
  AddPatFile(path);
  ShowPatFiles(d);
  return 0;
}

int DeleteFile(Dlg* d, int) {
  const int selected =
      static_cast<int>(SendMessageA(GetDlgItem(static_cast<HWND>(GetDlgWin(d)), kFileList), LB_GETCURSEL, 0, 0));
  char path[kPathBytes];
  if (selected < 0 || GetLstStr(d, kFileList, selected, path) < 0) return 0;
  char question[kQuestionBytes];
  wsprintfA(question, "Are sure you want to delete:\n\n%s", path);
  if (FormSt(question, -1, "", kBoxYesNo) != kAnswerYes) return 0;
  DeletePatFile(path);
  ShowPatFiles(d);
  return 0;
}

}  // namespace

void RunPatFilesDialog() {
  Dlg* d = DefDlg(kFilesTemplate, 0, 0, ShowPatFiles, 0, 0);
  __BTNCTL(d, kAddFile, AddFile, nullptr);
  __BTNCTL(d, kDeleteFile, DeleteFile, nullptr);
  Dialog(d, PackRegistration().module, 0);
  RelDlg(d);
}

bool RunPatternSearchDialog(char* text) {
  char typed[kOptSearchTextBytes];
  CopyText(typed, sizeof typed, text);
  Dlg* d = DefDlg(kSearchTemplate, 0, 0, nullptr, 0, 0);
  __EDCTL(d, kSearchEdit, typed, kValText, kSearchChars, kDefaultDecimals);
  const bool ok = Dialog(d, PackRegistration().module, 0) == kIdOk;
  RelDlg(d);
  if (ok) CopyText(text, kOptSearchTextBytes, typed);
  return ok;
}

}  // namespace vx
