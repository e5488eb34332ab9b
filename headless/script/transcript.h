// The transcript of a session: one line per command start, prompt, answer,
// message box, progress text and variable (docs/script_language.md).
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace vxh {

// Backslashes, line ends and tabs written as \\, \n, \r and \t, so that every
// entry stays on one line.
std::string EscapeForTranscript(std::string_view text);

class Transcript {
 public:
  explicit Transcript(std::ostream& out) : out_(out) {}

  // Every text handed in is code page 1252, as the pack's texts are and as
  // the lexer makes the script's tokens; the transcript is written in UTF-8.
  void Command(std::string_view name) { Line("> ", name); }
  void Prompt(std::string_view prompt) { Line("? ", prompt); }
  void Answer(std::string_view answer) { Line("= ", answer); }
  void Box(std::string_view title, std::string_view text);
  void Progress(std::string_view text) { Line("~ ", text); }
  void Variable(std::string_view name, std::string_view value);
  // Something the host did outside the drawing ("open https://...").
  void Shell(std::string_view text) { Line("! ", text); }
  // A dialog opens with its title; closes with the id of its closing button.
  void DialogOpens(std::string_view title) { Line("{ ", title); }
  void DialogCloses(int result) { Line("} ", std::to_string(result)); }

 private:
  void Line(std::string_view mark, std::string_view text);
  std::ostream& out_;
};

}  // namespace vxh
