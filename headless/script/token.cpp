#include "headless/script/token.h"

namespace vxh::script {

std::string Where(const SourcePos& pos) {
  return pos.file + ":" + std::to_string(pos.line) + ":" + std::to_string(pos.column);
}

std::string Token::PlainText() const {
  if (kind != TokenKind::kText) return body;
  std::string text;
  for (const Segment& s : segments) text += s.text;
  return text;
}

bool Token::AnyQuoted() const {
  for (const Segment& s : segments)
    if (s.quoted) return true;
  return false;
}

}  // namespace vxh::script
