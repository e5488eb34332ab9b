#include "headless/session/session_core.h"

#include <cstdlib>

#include "headless/ascii_case.h"
#include "headless/dialogs/dialog_object.h"
#include "headless/dialogs/running_picture.h"
#include "headless/drawing/document.h"
#include "headless/files/host_paths.h"
#include "headless/host_error.h"
#include "headless/script/lexer.h"
#include "headless/script/variables.h"
#include "headless/session/host_commands.h"
#include "headless/session/pack_entry.h"
#include "headless/session/pack_registry.h"
#include "headless/text_encoding.h"
#include "headless/win/clock.h"
#include "host/kv_types.h"

namespace vxh {

namespace {

SessionCore* g_active = nullptr;

}  // namespace

SessionCore::SessionCore(std::ostream& transcript, SessionOptions options)
    : out_(transcript), log_(transcript), options_(std::move(options)), bar_(stderr, StderrIsTerminal()) {
  if (g_active != nullptr) throw HostFault("a session is already running: only one can exist at a time");
  if (RegisteredPack().Loaded()) throw HostFault("the pack is already loaded outside a session");
  doc_ = std::make_unique<Document>();
  view_.SetView(kDefaultView);
  host_path_ = DefaultHostPath();
  host_.registry.path = options_.registry_path;
  WatchForDialogPicture();
  g_active = this;
  try {
    InstalledPack().attach(&module_handle_);
  } catch (...) {
    g_active = nullptr;
    throw;
  }
}

SessionCore::~SessionCore() {
  try {
    if (RegisteredPack().Loaded()) InstalledPack().detach();
  } catch (...) {
    // Unloading is the last thing a session does; a fault here has nobody
    // left to report to, and the registry is cleared regardless.
  }
  g_active = nullptr;
}

SessionCore& SessionCore::Active(const char* operation) {
  if (g_active == nullptr) throw HostFault(std::string(operation) + " called while no session runs");
  return *g_active;
}

SessionCore* SessionCore::ActiveOrNull() { return g_active; }

void SessionCore::WatchForDialogPicture() {
  if (options_.dialog_picture_name.empty()) return;
  host_.dialogs.WatchWaiting(
      [this, name = options_.dialog_picture_name, path = options_.dialog_picture_path](const vx::Dlg& dialog) {
        if (dialog.tpl->name == name) dialogs::DrawRunningDialog(dialog, PictureStyles(doc_->Tables()), path);
      });
}

void SessionCore::ReplaceDocument(std::unique_ptr<Document> doc) { doc_ = std::move(doc); }

void SessionCore::Run(std::vector<script::Token> tokens, const script::SourcePos& end) {
  if (running_) {
    queue_.insert(queue_.begin(), tokens.begin(), tokens.end());
    return;
  }
  running_ = true;
  queue_.assign(tokens.begin(), tokens.end());
  try {
    while (!queue_.empty()) {
      const script::Token token = std::move(queue_.front());
      queue_.pop_front();
      current_pos_ = token.pos;
      ++token_serial_;
      win::AdvanceClock(host_.windows, win::kTicksPerToken);
      try {
        Dispatch(token);
      } catch (const BadInput& e) {
        throw BadInput(script::Where(current_pos_) + ": " + e.what() + AfterErrorBox());
      } catch (const WriteFailure& e) {
        throw WriteFailure(script::Where(current_pos_) + ": " + e.what());
      } catch (const HostFault& e) {
        throw HostFault(script::Where(current_pos_) + ": " + e.what());
      }
    }
    if (pending_)
      throw BadInput(script::Where(end) + ": the script ends while a request waits (" +
                     QuoteForMessage(pending_->prompt) + ")" + AfterErrorBox());
  } catch (...) {
    Abandon();
    throw;
  }
  running_ = false;
}

void SessionCore::RunCommand(const std::string& name) {
  script::Token token;
  token.segments.push_back(script::Segment{name, true});
  token.pos.file = "<command>";
  Run({token}, token.pos);
}

std::string SessionCore::AfterErrorBox() const {
  if (error_box_.empty() || token_serial_ - error_box_token_ > 1) return "";
  return " (after the error \"" + error_box_ + "\")";
}

void SessionCore::Abandon() {
  bar_.Finish();
  protocol_.Abandon();
  pending_.reset();
  queue_.clear();
  deferred_.clear();
  running_ = false;
}

void SessionCore::Dispatch(const script::Token& token) {
  switch (token.kind) {
    case script::TokenKind::kEnter:
      event_text_ = "<enter>";
      DeliverKeyStroke(VK_RETURN, false);
      return;
    case script::TokenKind::kEvent: HandleEvent(script::ParseEvent(token.body)); return;
    case script::TokenKind::kDialog: throw BadInput("a dialog answer {...} came, but no dialog is open");
    case script::TokenKind::kText: DispatchText(token); return;
  }
}

std::string SessionCore::ExpandText(const script::Token& token) const {
  return script::ExpandVariables(token.segments, [this](std::string_view name) { return Variable(name); });
}

void SessionCore::DispatchText(const script::Token& token) {
  const std::string text = ExpandText(token);
  if (pending_) {
    AnswerText(text);
  } else {
    StartCommand(text);
  }
}

void SessionCore::StartCommand(const std::string& text) {
  const std::string name = AsciiUppered(text);
  vx::Handler handler = RegisteredPack().Find(name);
  if (handler == nullptr) handler = FindHostCommand(name);
  const bool about = handler == nullptr && name == kAboutCommand;
  if (about) handler = RegisteredPack().About();
  if (handler == nullptr) {
    if (text.empty()) throw BadInput("a command name is expected, got an empty text");
    throw BadInput("unknown command " + QuoteForMessage(text));
  }
  log_.Command(name);
  protocol_.Start(name, about);
  RunStep(handler);
}

// Handlers and continuations run here and only here, never inside ReqData.
void SessionCore::RunStep(const std::function<void()>& step) {
  step();
  if (!protocol_.StepReturned()) return;
  queue_.insert(queue_.begin(), deferred_.begin(), deferred_.end());
  deferred_.clear();
}

void SessionCore::Answer(int status, const std::string& shown) {
  const PendingRequest request = *pending_;
  pending_.reset();
  typed_.clear();
  protocol_.Answered();
  log_.Answer(shown);
  RunStep([&] { request.next(status); });
}

void SessionCore::Request(PendingRequest request) {
  protocol_.Request();
  log_.Prompt(request.prompt);
  pending_ = std::move(request);
  typed_.clear();
  ++request_serial_;
}

void SessionCore::EndCommand() {
  protocol_.End();
  bar_.Finish();
}

void SessionCore::HostTookOverCommand() {
  if (!protocol_.Running()) return;
  EndCommand();
}

void SessionCore::Progress(std::string_view text) {
  log_.Progress(text);
  bar_.Start(Cp1252ToUtf8(text));
}

void SessionCore::ExecScript(std::string_view text) {
  std::vector<script::Token> tokens = script::LexScript(text, "ExecScriptCopy", script::ScriptEncoding::kCp1252);
  if (!running_) {
    Run(std::move(tokens), script::SourcePos{"ExecScriptCopy", 1, 1});
  } else if (protocol_.Running()) {
    deferred_.insert(deferred_.end(), tokens.begin(), tokens.end());
  } else {
    queue_.insert(queue_.begin(), tokens.begin(), tokens.end());
  }
}

void SessionCore::SetVariable(const std::string& name, const std::string& value) {
  variables_[AsciiUppered(name)] = value;
  log_.Variable(name, value);
}

std::optional<std::string> SessionCore::Variable(std::string_view name) const {
  const auto it = variables_.find(AsciiUppered(name));
  if (it == variables_.end()) return std::nullopt;
  return it->second;
}

}  // namespace vxh
