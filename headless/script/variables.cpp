#include "headless/script/variables.h"

#include <cctype>

#include "headless/host_error.h"
#include "headless/text_encoding.h"

namespace vxh::script {

namespace {

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::string Lookup(std::string_view name, const VariableLookup& lookup) {
  const std::optional<std::string> value = lookup(name);
  if (!value) throw BadInput("unknown variable $" + Cp1252ToUtf8(name));
  return *value;
}

std::string ExpandPlain(std::string_view text, const VariableLookup& lookup) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '$' || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    const char next = text[i + 1];
    if (next == '$') {
      out += '$';
      ++i;
    } else if (next == '{') {
      const std::size_t close = text.find('}', i + 2);
      if (close == std::string_view::npos) throw BadInput("unterminated ${ in " + QuoteForMessage(text));
      out += Lookup(text.substr(i + 2, close - i - 2), lookup);
      i = close;
    } else if (IsNameChar(next)) {
      std::size_t end = i + 1;
      while (end < text.size() && IsNameChar(text[end])) ++end;
      out += Lookup(text.substr(i + 1, end - i - 1), lookup);
      i = end - 1;
    } else {
      out += '$';
    }
  }
  return out;
}

}  // namespace

std::string ExpandVariables(const std::vector<Segment>& segments, const VariableLookup& lookup) {
  std::string out;
  for (const Segment& s : segments) out += s.quoted ? s.text : ExpandPlain(s.text, lookup);
  return out;
}

}  // namespace vxh::script
