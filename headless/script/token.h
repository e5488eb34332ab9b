// Tokens of the script language, each with the place it was read from.
#pragma once

#include <string>
#include <vector>

namespace vxh::script {

struct SourcePos {
  std::string file;
  int line = 1;
  int column = 1;
};

// "file:line:column", the prefix of every script error.
std::string Where(const SourcePos& pos);

// A run of token text, quoted or not: variables expand only outside quotes.
struct Segment {
  std::string text;
  bool quoted = false;
};

enum class TokenKind {
  kText,    // a word or quoted text (possibly empty when quoted)
  kEnter,   // an empty token ended by ';'
  kEvent,   // <...>, the text between the angle brackets
  kDialog,  // {...}, the text between the braces
};

struct Token {
  TokenKind kind = TokenKind::kText;
  std::vector<Segment> segments;  // kText only
  std::string body;               // kEvent and kDialog
  SourcePos pos;

  // The text with quotes removed and no variables expanded.
  std::string PlainText() const;
  bool AnyQuoted() const;
};

}  // namespace vxh::script
