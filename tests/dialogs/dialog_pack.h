// A stand-in pack whose commands run the pack's dialog templates with
// bindings, init routines and change handlers as the command families do.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "frame/dialog_helpers.h"
#include "frame/entry_point.h"
#include "frame/mouse_hook.h"
#include "host/host_api.h"
#include "host/prompt_record.h"

namespace vxh::testing {

struct SequenceSettings {
  int find_mode = 0;
  int choice = 0;
  char find_text[61] = {};
  int start = 1;
  int increment = 1;
  int fixed = 0;
  int digits = 3;
  int flags = 0;  // bit 0: require leading zero
  int pick = 1;
  int sort = 0;
};

struct DialogLog {
  SequenceSettings seq;
  int result = -100;
  std::vector<std::string> calls;  // "init", "change 1063 mode=1", ...
};

inline DialogLog& Dialogs() {
  static DialogLog log;
  return log;
}

namespace dialog_pack {

inline void EnableBySettings(vx::Dlg* d) {
  const SequenceSettings& s = Dialogs().seq;
  vx::EnableControl(d, 1065, s.find_mode == 0);
  vx::EnableControl(d, 1038, s.find_mode == 1);
  vx::EnableControl(d, 1043, s.fixed);
  for (int id : {1041, 1044, 1045}) vx::EnableControl(d, id, s.pick == 0);
}

inline void SequenceInit(vx::Dlg* d) {
  Dialogs().calls.push_back("init");
  vx::ClrCmbStr(d, 1065);
  for (const char* entry : {"1st number", "2nd number", "3rd number", "2nd last number", "Last number"})
    vx::AddCmbStr(d, 1065, entry);
  vx::UpdCtl(d, 1065);
  EnableBySettings(d);
}

inline void SequenceChanged(vx::Dlg* d, int control) {
  Dialogs().calls.push_back("change " + std::to_string(control) + " mode=" + std::to_string(Dialogs().seq.find_mode) +
                            " fixed=" + std::to_string(Dialogs().seq.fixed));
  EnableBySettings(d);
}

inline void Sequence() {
  SequenceSettings& s = Dialogs().seq;
  vx::Dlg* d = vx::DefDlg("DLG_VXTSEQ", 0, 0, SequenceInit, 0, 0);
  vx::__RBCTL(d, 1064, &s.find_mode, 0, SequenceChanged);
  vx::__RBCTL(d, 1063, &s.find_mode, 1, SequenceChanged);
  vx::__CMBCTL(d, 1065, &s.choice, vx::kValInt, 0, nullptr);
  vx::__EDCTL(d, 1038, s.find_text, vx::kValText, 60, 0);
  vx::__EDCTL(d, 1042, &s.start, vx::kValInt, 15, 0);
  vx::__EDCTL(d, 1046, &s.increment, vx::kValInt, 15, 0);
  vx::__CHKCTL(d, 1048, &s.fixed, 1, SequenceChanged);
  vx::__EDCTL(d, 1043, &s.digits, vx::kValInt, 15, 0);
  vx::__CHKCTL(d, 1049, &s.flags, 1, nullptr);
  vx::__RBCTL(d, 1040, &s.pick, 1, SequenceChanged);
  vx::__RBCTL(d, 1039, &s.pick, 0, SequenceChanged);
  vx::__RBCTL(d, 1041, &s.sort, 0, nullptr);
  vx::__RBCTL(d, 1044, &s.sort, 1, nullptr);
  vx::__RBCTL(d, 1045, &s.sort, 2, nullptr);
  vx::InstallMouseHook();
  Dialogs().result = vx::Dialog(d, nullptr, 0);
  vx::RemoveMouseHook();
  vx::RelDlg(d);
  vx::CmdEnd();
}

inline char g_text[32001] = {};

inline void TextInit(vx::Dlg* d) {
  vx::ShowControl(d, 1009, 0);
  vx::ShowControl(d, 1010, 0);
  vx::HideCtl(d, 1001);
}

inline void Text() {
  vx::Dlg* d = vx::DefDlg("DLGTEX", 0, 0, TextInit, 0, 0);
  vx::__EDCTL(d, 1000, g_text, vx::kValText, 32000, 0);
  vx::__EDCTL(d, 1001, g_text, vx::kValText, 32000, 0);
  Dialogs().result = vx::Dialog(d, nullptr, 0);
  vx::RelDlg(d);
  vx::CmdEnd();
}

inline void About() {}

inline const char kNames[] = "SEQ\0TEXT\0";
inline const vx::Handler kHandlers[] = {About, Sequence, Text, nullptr};

}  // namespace dialog_pack

class DialogPack {
 public:
  DialogPack() : record_{0, 0, "Dialog pack", dialog_pack::kNames, dialog_pack::kHandlers, 0, nullptr} {
    Dialogs() = DialogLog{};
    std::memset(dialog_pack::g_text, 0, sizeof dialog_pack::g_text);
    vx::XPUnRegister(&vx::PackRegistration());
    vx::XPRegister(&record_);
  }
  ~DialogPack() {
    vx::XPUnRegister(&record_);
    vx::XPRegister(&vx::PackRegistration());
  }
  DialogPack(const DialogPack&) = delete;
  DialogPack& operator=(const DialogPack&) = delete;

 private:
  vx::RegistrationRecord record_;
};

}  // namespace vxh::testing
