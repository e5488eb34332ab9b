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

  void Command(std::string_view name) { Line("> ", name); }
  void Prompt(std::string_view prompt) { Line("? ", prompt); }
  void Answer(std::string_view answer) { Line("= ", answer); }
  void Box(std::string_view title, std::string_view text);
  void Progress(std::string_view text) { Line("~ ", text); }
  void Variable(std::string_view name, std::string_view value);

 private:
  void Line(std::string_view mark, std::string_view text);
  std::ostream& out_;
};

}  // namespace vxh
