#include "headless/script/lexer.h"

#include <string>

#include "headless/host_error.h"
#include "headless/text_encoding.h"

namespace vxh::script {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class Lexer {
 public:
  Lexer(std::string_view text, std::string_view file, ScriptEncoding encoding)
      : text_(text), file_(file), utf8_(encoding == ScriptEncoding::kUtf8) {}

  std::vector<Token> Run() {
    if (utf8_ && text_.starts_with(kByteOrderMark)) i_ = kByteOrderMark.size();
    while (!AtEnd()) LexToken();
    return std::move(tokens_);
  }

 private:
  bool AtEnd() const { return i_ >= text_.size(); }
  char Peek() const { return text_[i_]; }
  bool PrecededByBlank() const { return i_ > 0 && IsBlank(text_[i_ - 1]); }

  // Every character is stepped over here, so a UTF-8 script is checked
  // whole, its comments too. Syntax characters are ASCII, and no byte of a
  // longer UTF-8 sequence is ASCII, so Peek() never mistakes one for them.
  void Advance() {
    std::size_t length = 1;
    if (utf8_) {
      length = ReadUtf8Char(text_, i_).length;
      if (length == 0) FailBadUtf8();
    }
    if (text_[i_] == '\n') {
      ++line_;
      column_ = 1;
    } else {
      ++column_;
    }
    i_ += length;
  }

  // Appends the character at the cursor to a token's text, in code page 1252.
  void Take(std::string& out) {
    if (utf8_) {
      const Utf8Char c = ReadUtf8Char(text_, i_);
      if (c.length == 0) FailBadUtf8();
      const std::optional<unsigned char> byte = Cp1252ByteOf(c.code);
      if (!byte)
        Fail(Here(), "the character " + DescribeCharacter(c.code) +
                         " has no place in code page 1252, in which the drawing keeps its texts");
      out += static_cast<char>(*byte);
    } else {
      out += Peek();
    }
    Advance();
  }

  SourcePos Here() const { return SourcePos{std::string(file_), line_, column_}; }

  [[noreturn]] void FailBadUtf8() const {
    Fail(Here(), "invalid UTF-8 (bytes " + DescribeBadUtf8(text_, i_) + "); scripts are UTF-8");
  }

  [[noreturn]] void Fail(const SourcePos& pos, const std::string& message) const {
    throw BadInput(Where(pos) + ": " + message);
  }

  void SkipBlanks() {
    while (!AtEnd() && IsBlank(Peek())) Advance();
  }

  void SkipComment() {
    while (!AtEnd() && Peek() != '\n') Advance();
  }

  void LexToken() {
    SkipBlanks();
    if (AtEnd()) return;
    const SourcePos start = Here();
    switch (Peek()) {
      case ';':
        Advance();
        tokens_.push_back(Token{TokenKind::kEnter, {}, {}, start});
        return;
      case '\n': Advance(); return;
      case '#': SkipComment(); return;
      case '<': LexEvent(start); return;
      case '{': LexDialog(start); return;
      default: LexText(start);
    }
  }

  // After '>' or '}' only blanks, a comment or the separator may follow.
  void EndEnclosedToken(char closer) {
    SkipBlanks();
    if (AtEnd()) return;
    if (Peek() == ';' || Peek() == '\n') {
      Advance();
    } else if (Peek() == '#') {
      SkipComment();
    } else {
      Fail(Here(), std::string("unexpected text after '") + closer + "': end the token with ';'");
    }
  }

  void LexEvent(const SourcePos& start) {
    Advance();  // '<'
    std::string body;
    while (!AtEnd() && Peek() != '>' && Peek() != '\n') Take(body);
    if (AtEnd() || Peek() != '>') Fail(start, "unterminated event: no '>' before the end of the line");
    Advance();
    tokens_.push_back(Token{TokenKind::kEvent, {}, Trim(body), start});
    EndEnclosedToken('>');
  }

  void LexDialog(const SourcePos& start) {
    Advance();  // '{'
    std::string body;
    while (!AtEnd() && Peek() != '}') {
      if (Peek() == '"') {
        body += ReadQuotedRaw();
        continue;
      }
      Take(body);
    }
    if (AtEnd()) Fail(start, "unterminated dialog answer: no '}' for this '{'");
    Advance();
    tokens_.push_back(Token{TokenKind::kDialog, {}, body, start});
    EndEnclosedToken('}');
  }

  // Reads "..." from the opening quote; returns the text with escapes undone.
  std::string ReadQuoted() {
    const SourcePos start = Here();
    Advance();  // opening quote
    std::string text;
    while (!AtEnd() && Peek() != '"' && Peek() != '\n') {
      if (Peek() == '\\' && i_ + 1 < text_.size() && (text_[i_ + 1] == '"' || text_[i_ + 1] == '\\')) {
        Advance();
      }
      Take(text);
    }
    if (AtEnd() || Peek() != '"') Fail(start, "unterminated quote: no closing '\"' on this line");
    Advance();
    return text;
  }

  // Inside a dialog answer a quote is kept as written, for the dialog's own
  // parser; it only stops ';', '}' and '#' from acting.
  std::string ReadQuotedRaw() {
    const SourcePos start = Here();
    std::string raw;
    Take(raw);
    while (!AtEnd() && Peek() != '"' && Peek() != '\n') {
      if (Peek() == '\\' && i_ + 1 < text_.size() && text_[i_ + 1] != '\n') Take(raw);
      Take(raw);
    }
    if (AtEnd() || Peek() != '"') Fail(start, "unterminated quote: no closing '\"' on this line");
    Take(raw);
    return raw;
  }

  void LexText(const SourcePos& start) {
    Token token{TokenKind::kText, {}, {}, start};
    std::string plain;
    auto flush = [&] {
      if (!plain.empty()) token.segments.push_back(Segment{plain, false});
      plain.clear();
    };
    while (!AtEnd() && Peek() != ';' && Peek() != '\n') {
      if (Peek() == '"') {
        flush();
        token.segments.push_back(Segment{ReadQuoted(), true});
      } else if (Peek() == '#' && PrecededByBlank()) {
        SkipComment();
      } else {
        Take(plain);
      }
    }
    flush();
    if (!AtEnd()) Advance();  // the separator
    TrimTrailingBlanks(token.segments);
    tokens_.push_back(std::move(token));
  }

  static std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
  }

  static void TrimTrailingBlanks(std::vector<Segment>& segments) {
    while (!segments.empty() && !segments.back().quoted) {
      std::string& t = segments.back().text;
      while (!t.empty() && IsBlank(t.back())) t.pop_back();
      if (!t.empty()) return;
      segments.pop_back();
    }
  }

  std::string_view text_;
  std::string_view file_;
  bool utf8_;
  std::size_t i_ = 0;
  int line_ = 1;
  int column_ = 1;
  std::vector<Token> tokens_;
};

}  // namespace

std::vector<Token> LexScript(std::string_view text, std::string_view file, ScriptEncoding encoding) {
  return Lexer(text, file, encoding).Run();
}

SourcePos EndOf(std::string_view text, std::string_view file) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  SourcePos pos{std::string(file), 1, 1};
  for (const char c : text) {
    if (c == '\n') {
      ++pos.line;
      pos.column = 1;
    } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
      ++pos.column;  // continuation bytes belong to the character before
    }
  }
  return pos;
}

}  // namespace vxh::script
