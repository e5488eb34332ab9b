// A stand-in pack for the hook and dialog tests: a few commands that use the
// pack's real hooks and dialog helpers the way the command families do. It
// is registered in place of the real pack for the life of the object; the
// pack's state (hooks, last key) stays the loaded pack's own.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "frame/entry_point.h"
#include "frame/keyboard_hook.h"
#include "frame/mouse_hook.h"
#include "host/host_api.h"
#include "host/win_api.h"

namespace vxh::testing {

struct HookLog {
  int status = -100;  // untouched
  int last_key = -1;
  char text[300] = {};
  int dialog_result = -100;
  bool right_click = false;
  std::uint8_t text_spec[23] = {};
};

inline HookLog& Hooked() {
  static HookLog log;
  return log;
}

namespace hook_pack {

inline void Record(int status) {
  vx::RemoveKeyboardHook();
  Hooked().status = status;
  Hooked().last_key = vx::LastKey();
  vx::CmdEnd();
}

inline void AskHooked(vx::KeyHookMode mode) {
  vx::InstallKeyboardHook(mode);
  vx::ReqData(vx::kReqText, Hooked().text, "Text (h = help):", vx::kModePlain, Record, 0, 0);
}

inline void Strict() { AskHooked(vx::KeyHookMode::kStrict); }
inline void Letters() { AskHooked(vx::KeyHookMode::kLettersPass); }

// A dialog with the right-click hook around it, as the pack's dialogs run.
inline void DialogWithHook() {
  static int value = 0;
  vx::Dlg* d = vx::DefDlg("DLG_VXTCASE", 0, 0, nullptr, 0, 0);
  vx::__RBCTL(d, 1041, &value, 0, nullptr);
  vx::InstallMouseHook();
  Hooked().dialog_result = vx::Dialog(d, nullptr, 0);
  vx::RemoveMouseHook();
  Hooked().right_click = vx::RightClickSeen();
  vx::RelDlg(d);
  vx::CmdEnd();
}

inline void BoxWithHook() {
  vx::InstallMouseHook();
  vx::FormSt("No text string is matching the criteria", -1, "Message", vx::kBoxMessage);
  vx::RemoveMouseHook();
  Hooked().right_click = vx::RightClickSeen();
  vx::CmdEnd();
}

inline void TextSpec() {
  Hooked().dialog_result = vx::TSpecDialog(Hooked().text_spec, 2);
  vx::CmdEnd();
}

inline void About() {}

inline const char kNames[] = "STRICT\0LETTERS\0HOOKDLG\0HOOKBOX\0TSPEC\0";
inline const vx::Handler kHandlers[] = {About, Strict, Letters, DialogWithHook, BoxWithHook, TextSpec, nullptr};

}  // namespace hook_pack

class HookPack {
 public:
  HookPack() : record_{0, 0, "Hook pack", hook_pack::kNames, hook_pack::kHandlers, 0, nullptr} {
    Hooked() = HookLog{};
    vx::XPUnRegister(&vx::PackRegistration());
    vx::XPRegister(&record_);
  }
  ~HookPack() {
    vx::XPUnRegister(&record_);
    vx::XPRegister(&vx::PackRegistration());
  }
  HookPack(const HookPack&) = delete;
  HookPack& operator=(const HookPack&) = delete;

 private:
  vx::RegistrationRecord record_;
};

}  // namespace vxh::testing
