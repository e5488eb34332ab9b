#include "headless/script/transcript.h"

#include "headless/text_encoding.h"

namespace vxh {

std::string EscapeForTranscript(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out;
}

void Transcript::Line(std::string_view mark, std::string_view text) {
  out_ << mark << EscapeForTranscript(Cp1252ToUtf8(text)) << '\n';
}

void Transcript::Box(std::string_view title, std::string_view text) {
  out_ << '[' << EscapeForTranscript(Cp1252ToUtf8(title)) << "] " << EscapeForTranscript(Cp1252ToUtf8(text)) << '\n';
}

void Transcript::Variable(std::string_view name, std::string_view value) {
  out_ << "$ " << EscapeForTranscript(Cp1252ToUtf8(name)) << '=' << EscapeForTranscript(Cp1252ToUtf8(value)) << '\n';
}

}  // namespace vxh
