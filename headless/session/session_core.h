// The state of the running session behind Session and the host operations:
// the drawing, the registered pack, the token queue, the pending request and
// the protocol check. Host operations reach it through SessionCore::Active().
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "headless/script/event.h"
#include "headless/script/modal_input.h"
#include "headless/script/pending_request.h"
#include "headless/script/token.h"
#include "headless/script/transcript.h"
#include "headless/script/view_state.h"
#include "headless/session/command_protocol.h"
#include "headless/session/host_state.h"
#include "headless/session/progress_bar.h"
#include "headless/session/session.h"
#include "host/win_api.h"

namespace vxh {

class Document;

class SessionCore : public script::ModalInput {
 public:
  SessionCore(std::ostream& transcript, SessionOptions options);
  ~SessionCore();
  SessionCore(const SessionCore&) = delete;
  SessionCore& operator=(const SessionCore&) = delete;

  // The running session; a HostFault naming the operation when none runs.
  static SessionCore& Active(const char* operation);
  static SessionCore* ActiveOrNull();

  Document& Doc() { return *doc_; }
  void ReplaceDocument(std::unique_ptr<Document> doc);
  Transcript& Log() override { return log_; }
  HostState& Host() { return host_; }
  ViewState& View() { return view_; }
  const SessionOptions& Options() const { return options_; }

  // Runs tokens to their end; `end` is where the script ends, for the error
  // of a request still waiting there.
  void Run(std::vector<script::Token> tokens, const script::SourcePos& end);
  // Starts a command by name as a script would (the CLI's "about").
  void RunCommand(const std::string& name);

  // Host operations.
  void Request(PendingRequest request);  // ReqData
  void EndCommand();                     // CmdEnd
  // The host's own editor took over from the running command (EEdit): the
  // command is over, and returns without a request or CmdEnd of its own.
  void HostTookOverCommand();
  // A message box; a question (yes/no) takes <yes> or <no> when that is the
  // next token, else its default. Returns the answer (6, 7) or 1.
  int MessageBox(std::string_view text, std::string_view title, int style);
  void ExecScript(std::string_view text);  // ExecScriptCopy
  void Progress(std::string_view text);    // ProgressMsg
  ProgressBar& Bar() { return bar_; }      // ShowProgress
  void SetVariable(const std::string& name, const std::string& value);
  std::optional<std::string> Variable(std::string_view name) const;
  const std::string& HostPath() const { return host_path_; }

  // What modal windows read from the script (script/modal_input.h).
  script::Token NextModalToken(const std::string& waiting) override;
  script::Event NextModalEvent(const std::string& waiting, std::initializer_list<script::EventKind> answers) override;
  void DeliverEvent(const script::Event& event) override;
  std::string ExpandText(const script::Token& token) const override;

 private:
  void Dispatch(const script::Token& token);
  void DispatchText(const script::Token& token);
  void HandleEvent(const script::Event& event);
  void StartCommand(const std::string& text);
  void RunStep(const std::function<void()>& step);
  void Answer(int status, const std::string& shown);
  void AnswerText(const std::string& text);
  void Move(double x, double y);
  std::optional<script::EventKind> PeekYesNo();
  bool PeekRightClick();
  void Abandon();
  // The picture of a dialog that the options ask for, drawn each time it waits.
  void WatchForDialogPicture();
  // " (after the error \"...\")" when an error box showed while the failing
  // token or the one before it was handled: the script went on as if the
  // command had worked, and that box is the cause a user needs to see.
  std::string AfterErrorBox() const;

  // Event delivery (session_events.cpp, session_input.cpp).
  void DeliverKeyStroke(int virtual_key, bool shift);
  void KeyReachedFocus(int virtual_key);
  void CharacterReached(int virtual_key, bool shift, unsigned request_serial);
  void MouseToHooks(UINT message);
  void Click(const script::Event& event);
  void ProcessPostedMessages();
  void KeyToPrompt(int key);
  void AcceptTyped();

  // Answers by request kind (session_answers.cpp); each returns the status.
  int AnswerPoint(const PendingRequest& r, const std::string& text);
  int AnswerSelection(const std::string& text, std::string& shown);
  int AnswerPick(const PendingRequest& r, const std::string& text, std::string& shown);

  std::ostream& out_;
  Transcript log_;
  HostState host_;
  char module_handle_ = 0;  // the headless host has no modules; the pack only stores this
  SessionOptions options_;
  std::unique_ptr<Document> doc_;
  CommandProtocol protocol_;
  std::optional<PendingRequest> pending_;
  std::deque<script::Token> queue_;
  std::vector<script::Token> deferred_;           // ExecScriptCopy during a command
  std::map<std::string, std::string> variables_;  // names in upper case
  ViewState view_;
  std::string host_path_;
  bool running_ = false;
  script::SourcePos current_pos_;  // of the token being handled, for errors
  std::string event_text_;         // how the event being delivered is shown
  std::string typed_;              // characters typed into the waiting prompt
  unsigned request_serial_ = 0;    // counts requests, to tell a new one
  unsigned token_serial_ = 0;      // counts the tokens handled
  std::string error_box_;          // the last error box's text (UTF-8)
  unsigned error_box_token_ = 0;   // the token during which it showed
  ProgressBar bar_;
};

using script::EventOf;

}  // namespace vxh
