// Fuzzes the script lexer and the parsers of what tokens say (events,
// numbers, points, selections, variables): bad input must end in BadInput,
// never in a crash or an endless loop.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "headless/host_error.h"
#include "headless/script/event.h"
#include "headless/script/lexer.h"
#include "headless/script/selection_expr.h"
#include "headless/script/values.h"
#include "headless/script/variables.h"

namespace {

std::optional<std::string> Lookup(std::string_view name) {
  if (name.size() == 1) return std::string(name) + "=1,2";
  return std::nullopt;
}

void ParseToken(const vxh::script::Token& token) {
  using vxh::script::TokenKind;
  try {
    if (token.kind == TokenKind::kEvent) {
      vxh::script::ParseEvent(token.body);
      return;
    }
    if (token.kind != TokenKind::kText) return;
    const std::string text = vxh::script::ExpandVariables(token.segments, Lookup);
    vxh::script::ParseNumber(text);
    vxh::script::ParseInteger(text);
    vxh::script::ParsePoint(text);
    vxh::script::ParseSelection(text);
  } catch (const vxh::BadInput&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    for (const vxh::script::Token& token : vxh::script::LexScript(text, "fuzz")) ParseToken(token);
  } catch (const vxh::BadInput&) {
  }
  return 0;
}
