#include "headless/session/session.h"

#include <cstdint>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/dxf/drawing_file.h"
#include "headless/files/whole_file.h"
#include "headless/geometry/matrix_stack.h"
#include "headless/host_error.h"
#include "headless/screen/frame_writer.h"
#include "headless/screen/screen_log.h"
#include "headless/script/lexer.h"
#include "headless/session/memory_policy.h"
#include "headless/session/session_core.h"

namespace vxh {

struct Session::Impl {
  Impl(std::ostream& transcript, SessionOptions options) : core(transcript, std::move(options)) {}
  SessionCore core;
};

Session::Session(std::ostream& transcript, SessionOptions options) {
  KeepFreedMemory();
  impl_ = std::make_unique<Impl>(transcript, std::move(options));
}

Session::~Session() = default;

void Session::Open(const std::string& path, bool strict) { impl_->core.ReplaceDocument(LoadDrawing(path, strict)); }

void Session::Save(const std::string& path, bool strict) { SaveDrawing(impl_->core.Doc(), path, strict); }

void Session::RunFile(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadInputFile(path, "script");
  RunText(std::string(bytes.begin(), bytes.end()), path);
}

void Session::RunText(const std::string& text, const std::string& name) {
  impl_->core.Run(script::LexScript(text, name), script::EndOf(text, name));
}

Document& Session::Doc() { return impl_->core.Doc(); }

}  // namespace vxh
