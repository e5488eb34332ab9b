#include "headless/dialogs/rc_lexer.h"

#include <cctype>

#include "headless/host_error.h"

namespace vxh::dialogs {

namespace {

class Lexer {
 public:
  Lexer(std::string_view source, const std::string& file) : s_(source), file_(file) {}

  std::vector<RcToken> Run() {
    while (SkipBlanksAndComments()) Next();
    out_.push_back({RcTokenKind::kEnd, "end of file", 0, line_});
    return out_;
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const {
    throw BadInput(file_ + ":" + std::to_string(line_) + ": " + message);
  }

  bool AtLineStart() const {
    for (std::size_t i = pos_; i > 0; --i) {
      const char c = s_[i - 1];
      if (c == '\n') return true;
      if (c != ' ' && c != '\t' && c != '\r') return false;
    }
    return true;
  }

  void SkipLine() {
    while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
  }

  void SkipBlockComment() {
    const int start = line_;
    pos_ += 2;
    while (pos_ + 1 < s_.size() && !(s_[pos_] == '*' && s_[pos_ + 1] == '/')) {
      if (s_[pos_] == '\n') ++line_;
      ++pos_;
    }
    if (pos_ + 1 >= s_.size()) {
      line_ = start;
      Fail("a comment that starts here never ends");
    }
    pos_ += 2;
  }

  // True while something is left.
  bool SkipBlanksAndComments() {
    while (pos_ < s_.size()) {
      const char c = s_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
        SkipLine();
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '*') {
        SkipBlockComment();
      } else if (c == '#' && AtLineStart()) {
        SkipLine();
      } else {
        return true;
      }
    }
    return false;
  }

  void Next() {
    const char c = s_[pos_];
    if (c == '"') return Text();
    if (c == ',') return Mark(RcTokenKind::kComma);
    if (c == '|') return Mark(RcTokenKind::kBar);
    if (c == '{') return Word("BEGIN", 1);
    if (c == '}') return Word("END", 1);
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '-') return Number();
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') return Name();
    Fail(std::string("unexpected character '") + c + "'");
  }

  void Mark(RcTokenKind kind) {
    out_.push_back({kind, std::string(1, s_[pos_]), 0, line_});
    ++pos_;
  }

  void Word(const char* word, std::size_t length) {
    out_.push_back({RcTokenKind::kName, word, 0, line_});
    pos_ += length;
  }

  void Text() {
    std::string text;
    ++pos_;
    for (;;) {
      if (pos_ >= s_.size() || s_[pos_] == '\n') Fail("a text that starts on this line never ends");
      const char c = s_[pos_++];
      if (c == '"' && pos_ < s_.size() && s_[pos_] == '"') {
        text += '"';
        ++pos_;
      } else if (c == '"') {
        break;
      } else if (c == '\\' && pos_ < s_.size() && (s_[pos_] == '"' || s_[pos_] == '\\')) {
        text += s_[pos_++];
      } else if (c == '\\' && pos_ < s_.size() && s_[pos_] == 'n') {
        text += '\n';
        ++pos_;
      } else {
        text += c;
      }
    }
    out_.push_back({RcTokenKind::kText, text, 0, line_});
  }

  void Number() {
    const std::size_t start = pos_;
    bool negative = false;
    if (s_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    const bool hex = pos_ + 1 < s_.size() && s_[pos_] == '0' && (s_[pos_ + 1] == 'x' || s_[pos_ + 1] == 'X');
    if (hex) pos_ += 2;
    long long value = 0;
    std::size_t digits = 0;
    for (; pos_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[pos_])); ++pos_, ++digits) {
      const char d = s_[pos_];
      if (!hex && !std::isdigit(static_cast<unsigned char>(d))) break;
      const int v = std::isdigit(static_cast<unsigned char>(d)) ? d - '0' : std::tolower(d) - 'a' + 10;
      value = value * (hex ? 16 : 10) + v;
      if (value > 0xFFFFFFFFLL)
        Fail("the number " + std::string(s_.substr(start, pos_ - start + 1)) + "... is too large");
    }
    if (digits == 0) Fail("a number is expected after '" + std::string(s_.substr(start, pos_ - start)) + "'");
    if (pos_ < s_.size() && (s_[pos_] == 'L' || s_[pos_] == 'l')) ++pos_;
    out_.push_back(
        {RcTokenKind::kNumber, std::string(s_.substr(start, pos_ - start)), negative ? -value : value, line_});
  }

  void Name() {
    const std::size_t start = pos_;
    while (pos_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_')) ++pos_;
    out_.push_back({RcTokenKind::kName, std::string(s_.substr(start, pos_ - start)), 0, line_});
  }

  std::string_view s_;
  const std::string& file_;
  std::size_t pos_ = 0;
  int line_ = 1;
  std::vector<RcToken> out_;
};

}  // namespace

std::vector<RcToken> LexResourceScript(std::string_view source, const std::string& file) {
  return Lexer(source, file).Run();
}

}  // namespace vxh::dialogs
