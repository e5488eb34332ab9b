// ExecScriptCopy and SetVar: scripts and variables the pack hands the host.
#include "headless/host_error.h"
#include "headless/session/session_core.h"
#include "host/host_api.h"

namespace vx {

extern "C" int KVAPI ExecScriptCopy(const char* script) {
  if (script == nullptr) throw vxh::HostFault("ExecScriptCopy: no script text");
  vxh::SessionCore::Active("ExecScriptCopy").ExecScript(script);
  return 1;
}

extern "C" int KVAPI SetVar(const char* name, const char* value) {
  if (name == nullptr || *name == '\0') throw vxh::HostFault("SetVar: no variable name");
  vxh::SessionCore::Active("SetVar").SetVariable(name, value != nullptr ? value : "");
  return 1;
}

}  // namespace vx
