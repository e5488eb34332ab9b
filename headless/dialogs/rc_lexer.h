// Tokens of a resource script: quoted texts ("" inside for a quote), numbers
// (decimal or 0x hex, an L suffix allowed), names, and the marks , | { }.
// Comments (// and /* */) and preprocessor lines (#include, #define, ...) are
// skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vxh::dialogs {

enum class RcTokenKind { kText, kNumber, kName, kComma, kBar, kEnd };

struct RcToken {
  RcTokenKind kind = RcTokenKind::kEnd;
  std::string text;  // the text, the name or the number as written
  long long number = 0;
  int line = 0;
};

// Throws BadInput "file:line: message" for an unterminated text or comment,
// or a character the language does not have.
std::vector<RcToken> LexResourceScript(std::string_view source, const std::string& file);

}  // namespace vxh::dialogs
