// LAYER, SELECT, UNDO, REDO, OPEN and SAVE: commands on the drawing as a whole.
#include <cstring>
#include <string>

#include "headless/current.h"
#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/dxf/drawing_file.h"
#include "headless/session/host_command_memory.h"
#include "headless/session/host_command_support.h"
#include "headless/session/host_commands_list.h"
#include "headless/session/session_core.h"
#include "host/host_api.h"

namespace vxh::hostcmd {

namespace {

char* Name() { return Memory("a drawing command").name; }

void AskName(const char* prompt, vx::Continuation next) {
  std::memset(Name(), 0, kTextBufferBytes);
  AskText(Name(), prompt, next);
}

bool NamedSomething(int status) { return status == vx::kStatusAnswered && Name()[0] != '\0'; }

void LayerName(int status) {
  if (NamedSomething(status)) {
    Document& doc = CurrentDocument();
    doc.WorkDL()->UndoMark();
    AddLayer(doc, Name());
    SetCurrentLayer(doc, Name());
  }
  vx::CmdEnd();
}

void Selected(int /*status*/) { vx::CmdEnd(); }

void OpenName(int status) {
  if (NamedSomething(status)) SessionCore::Active("OPEN").ReplaceDocument(LoadDrawing(ResolveHostFile(Name())));
  vx::CmdEnd();
}

void SaveName(int status) {
  if (NamedSomething(status)) {
    const std::string path = ResolveHostFile(Name());
    SaveDrawing(CurrentDocument(), path);
    CurrentDocument().SetFileName(path);
  }
  vx::CmdEnd();
}

}  // namespace

void LayerCommand() { AskName("Layer name:", LayerName); }

void SelectCommand() {
  vx::ReqData(vx::kReqSelect, nullptr, vx::HostMessage(vx::kMsgSelectEntities), vx::kModeDefault, Selected, 0, 0);
}

void UndoCommand() {
  if (!CurrentDocument().Undo()) ShowMessage("Nothing to undo");
  vx::CmdEnd();
}

void RedoCommand() {
  if (!CurrentDocument().Redo()) ShowMessage("Nothing to redo");
  vx::CmdEnd();
}

void OpenCommand() { AskName("Drawing to open:", OpenName); }

void SaveCommand() { AskName("Save drawing as:", SaveName); }

}  // namespace vxh::hostcmd
