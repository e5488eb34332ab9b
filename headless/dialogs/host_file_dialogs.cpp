// The host's own dialogs that a script answers: the open-file dialog
// (GetOpenFN: a file name or <esc>) and the text-specification dialog
// (TSpecDialog: {height=2.5; angle=30; font=2; bold; press ok}, <enter> or <esc>).
#include <cstring>
#include <string>

#include "headless/dialogs/text_spec_answer.h"
#include "headless/host_error.h"
#include "headless/script/event.h"
#include "headless/script/modal_input.h"
#include "headless/text_encoding.h"
#include "host/host_api.h"

namespace {

// A name without an extension gets the default one, as the Windows dialog
// gives it.
std::string WithExtension(std::string name, const char* extension) {
  const std::size_t slash = name.find_last_of("/\\");
  const std::size_t dot = name.find_last_of('.');
  const bool has_extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  if (!has_extension && extension != nullptr && *extension != '\0') name += std::string(".") + extension;
  return name;
}

// The result buffer holds 260 characters unless the record says otherwise.
constexpr std::uint32_t kDefaultResultSize = 260;

}  // namespace

extern "C" int KVAPI GetOpenFN(const char* title, vx::OpenFileRecord* record) {
  if (record == nullptr || record->result == nullptr) throw vxh::HostFault("GetOpenFN: no record or result buffer");
  vxh::script::ModalInput& session = vxh::script::RunningModalInput("GetOpenFN");
  const std::string shown = std::string(title != nullptr ? title : "Open") + ":";
  session.Log().Prompt(shown);
  const std::string waiting = "the file dialog " + vxh::QuoteForMessage(shown);
  const vxh::script::Token token = session.NextModalToken(waiting);
  if (token.kind == vxh::script::TokenKind::kEvent &&
      vxh::script::ParseEvent(token.body).kind == vxh::script::EventKind::kEsc) {
    session.Log().Answer("<esc>");
    return 0;
  }
  if (token.kind != vxh::script::TokenKind::kText) throw vxh::BadInput(waiting + " takes a file name or <esc>");
  const std::string name = WithExtension(session.ExpandText(token), record->extension);
  if (name.empty()) throw vxh::BadInput(waiting + " takes a file name or <esc>, got an empty name");
  const std::uint32_t size = record->result_size != 0 ? record->result_size : kDefaultResultSize;
  if (name.size() + 1 > size)
    throw vxh::BadInput("the file name is longer than the " + std::to_string(size - 1) + " characters " + waiting +
                        " takes");
  std::memcpy(record->result, name.c_str(), name.size() + 1);
  session.Log().Answer(name);
  return 1;
}

extern "C" int KVAPI TSpecDialog(std::uint8_t* text_spec, int mode) {
  vxh::script::ModalInput& session = vxh::script::RunningModalInput("TSpecDialog");
  const std::string title = mode == 0 ? "Text Defaults" : "Text Specification";
  // Mode 0 edits the drawing's text defaults; otherwise the block given.
  std::uint8_t* spec = mode == 0 ? vxh::TextDefaultsSpec() : text_spec;
  if (spec == nullptr) throw vxh::HostFault("TSpecDialog: no text specification to edit");
  session.Log().DialogOpens(title);
  const std::string waiting = "the dialog " + vxh::QuoteForMessage(title);
  const vxh::script::Token token = session.NextModalToken(waiting);
  int result = 0;
  if (token.kind == vxh::script::TokenKind::kDialog) {
    // Checked whole before anything is written, so a bad answer changes nothing.
    const vxh::TextSpecAnswer answer = vxh::ParseTextSpecAnswer(token.body, waiting);
    if (answer.ok) vxh::ApplyTextSpecAnswer(answer, spec);
    result = answer.ok ? 1 : 0;
    session.Log().Answer("{" + token.body + "}");
  } else if (token.kind == vxh::script::TokenKind::kEnter) {
    result = 1;
    session.Log().Answer("<enter>");
  } else if (token.kind == vxh::script::TokenKind::kEvent &&
             vxh::script::ParseEvent(token.body).kind == vxh::script::EventKind::kEsc) {
    session.Log().Answer("<esc>");
  } else {
    throw vxh::BadInput(waiting + " takes {field=value; ...; press ok}, {press cancel}, <enter> or <esc>");
  }
  session.Log().DialogCloses(result == 1 ? vx::kIdOk : vx::kIdCancel);
  return result;
}
