// A stand-in pack for session tests: its commands make the requests and
// mistakes a test wants, and it is registered in place of the real pack for
// the life of the object.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "frame/entry_point.h"
#include "host/drag_view.h"
#include "host/host_api.h"

namespace vxh::testing {

struct FakeRequest {
  int kind = vx::kReqPoint2;
  std::intptr_t mode = vx::kModePlain;
  int flags = 0;
  const void* prompt = "Value:";
};

struct FakeLog {
  FakeRequest request;
  alignas(8) std::uint8_t buffer[300] = {};
  int status = -100;  // untouched
  bool continuation_ran_inside_request = false;
  int box_answer = 0;
  std::vector<std::string> drags;  // "cursor x,y view w"
};

inline FakeLog& Fake() {
  static FakeLog log;
  return log;
}

class FakePack {
 public:
  FakePack();
  ~FakePack();
  FakePack(const FakePack&) = delete;
  FakePack& operator=(const FakePack&) = delete;

 private:
  vx::RegistrationRecord record_;
};

namespace fake {

// The commands, in the order of kNames.

inline void Record(int status) {
  Fake().status = status;
  vx::CmdEnd();
}

inline void Ask() {
  const FakeRequest& r = Fake().request;
  vx::ReqData(r.kind, Fake().buffer, r.prompt, r.mode, Record, r.flags, 0);
  Fake().continuation_ran_inside_request = Fake().status != -100;
}

inline void NoRequest() {}

inline void EndTwice() {
  vx::CmdEnd();
  vx::CmdEnd();
}

inline void AskTwice() {
  vx::ReqData(vx::kReqPoint2, Fake().buffer, "One:", vx::kModePlain, Record, 0, 0);
  vx::ReqData(vx::kReqPoint2, Fake().buffer, "Two:", vx::kModePlain, Record, 0, 0);
}

inline void AskYesNo() {
  Fake().box_answer = vx::FormSt("Replace all?", -1, "Question", vx::kBoxYesNo);
  vx::CmdEnd();
}

inline void Boxes() {
  vx::FormSt("Done.\r\n\r\nAll good", -1, "Message", vx::kBoxMessage);
  vx::FormSt("Careful", -1, "Warning", vx::kBoxWarning);
  vx::FormSt("Broken", -1, "Error", vx::kBoxError);
  vx::CmdEnd();
}

inline void Exec() {
  vx::ExecScriptCopy("ASK;");
  vx::CmdEnd();
}

inline void SetVariable() {
  vx::SetVar("Width", "12.5");
  vx::CmdEnd();
}

inline void Drag(vx::DragView* view) {
  const auto* cursor = static_cast<const double*>(vx::RscAdr(vx::kRscCursor));
  char line[96];
  std::snprintf(line, sizeof line, "cursor %g,%g view %g", cursor[0], cursor[1], vx::ViewWidth(view));
  Fake().drags.push_back(line);
}

inline void AskDragged() { vx::ReqData(vx::kReqPoint2, Fake().buffer, "Place:", vx::DragMode(Drag), Record, 0, 0); }

inline void About() {}

inline const char kNames[] = "ASK\0NOREQ\0ENDTWICE\0ASKTWICE\0ASKYN\0BOXES\0EXEC\0SETV\0DRAG\0";
inline const vx::Handler kHandlers[] = {About, Ask,  NoRequest,   EndTwice,   AskTwice, AskYesNo,
                                        Boxes, Exec, SetVariable, AskDragged, nullptr};

}  // namespace fake

inline FakePack::FakePack() : record_{0, 0, "Fake pack", fake::kNames, fake::kHandlers, 0, nullptr} {
  Fake() = FakeLog{};
  vx::XPUnRegister(&vx::PackRegistration());
  vx::XPRegister(&record_);
}

inline FakePack::~FakePack() {
  vx::XPUnRegister(&record_);
  vx::XPRegister(&vx::PackRegistration());
}

}  // namespace vxh::testing
