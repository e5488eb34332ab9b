// SYMBOL: a new instance of a symbol the drawing already holds, placed as
// the host places symbols: the definition's origin at the insertion point,
// scaled, then turned about that point. The definition is the first
// instance of that name met in the drawing (members in the definition's
// coordinates), the same one a DXF export writes as the block.
#include <cctype>
#include <cmath>
#include <cstring>
#include <string>

#include "headless/ascii_case.h"
#include "headless/current.h"
#include "headless/drawing/document.h"
#include "headless/session/host_command_memory.h"
#include "headless/session/host_command_support.h"
#include "headless/session/host_commands_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vxh::hostcmd {

namespace {

SymbolRun& Symbol() { return Memory("SYMBOL").symbol; }

// The name at 132, read no further than the record; a name that does not
// end inside it names nothing.
bool NameIs(vx::Entity e, const std::string& name) {
  const std::uint32_t size = vx::GetU32(e, vx::kHdrSize);
  if (size <= vx::kSymName) return false;
  const char* text = reinterpret_cast<const char*>(e + vx::kSymName);
  const void* end = std::memchr(text, '\0', size - vx::kSymName);
  return end != nullptr && SameIgnoringCase(std::string(text, static_cast<const char*>(end)), name);
}

vx::Entity FindDefinition(const EntityList& list, const std::string& name) {
  vx::Entity found = nullptr;
  list.ForEach([&](vx::Entity e) {
    if (found != nullptr) return;
    if (vx::GetI8(e, vx::kHdrKind) == vx::kKindSymbol && NameIs(e, name)) {
      found = e;
    } else if (const EntityList* members = list.Members(e)) {
      found = FindDefinition(*members, name);
    }
  });
  return found;
}

void PutPlacement(vx::Entity e) {
  const double c = Symbol().scale * std::cos(Symbol().angle), s = Symbol().scale * std::sin(Symbol().angle);
  const double rows[12] = {c, -s, 0, Symbol().insertion.x, s, c, 0, Symbol().insertion.y, 0, 0, 1, 0};
  for (int i = 0; i < 12; ++i) vx::PutF64(e, vx::kSymMatrix + 8 * i, rows[i]);
}

void Place() {
  vx::DList* work = CurrentDocument().WorkDL();
  work->UndoMark();
  const vx::Entity e = work->CopyIn(Symbol().definition);
  PutPlacement(e);
  vx::SetCStuff(e);
  work->Commit(e);
  work->Unmark(e);
  vx::CmdEnd();
}

void SymbolAngle(int status) {
  if (status != vx::kStatusAnswered && status != vx::kStatusDefault) return vx::CmdEnd();
  Place();
}

void AskScale();

void SymbolScale(int status) {
  if (status != vx::kStatusAnswered && status != vx::kStatusDefault) return vx::CmdEnd();
  if (Symbol().scale == 0 || !std::isfinite(Symbol().scale)) {  // exact: a scale of 0 flattens it to a point
    ShowError("A symbol's scale must be a number other than 0");
    return AskScale();
  }
  Symbol().angle = 0.0;
  vx::ReqData(vx::kReqAngle, &Symbol().angle, "Angle <0>:", vx::kModeDefault, SymbolAngle, 0, 0);
}

void AskScale() {
  Symbol().scale = 1.0;
  vx::ReqData(vx::kReqReal, &Symbol().scale, "Scale <1>:", vx::kModeDefault, SymbolScale, 0, 0);
}

void SymbolInsertion(int status) {
  if (status != vx::kStatusAnswered) return vx::CmdEnd();
  AskScale();
}

void SymbolName(int status) {
  if (status != vx::kStatusAnswered || Symbol().name[0] == '\0') return vx::CmdEnd();
  Symbol().definition = FindDefinition(CurrentDocument().Work(), Symbol().name);
  if (Symbol().definition == nullptr) {
    ShowError(("The drawing has no symbol named \"" + std::string(Symbol().name) + "\"").c_str());
    return vx::CmdEnd();
  }
  AskPoint(Symbol().insertion, "Insertion point:", vx::kModePlain, SymbolInsertion);
}

}  // namespace

void SymbolCommand() {
  Symbol() = SymbolRun{};
  AskText(Symbol().name, "Symbol name:", SymbolName);
}

}  // namespace vxh::hostcmd
