#include "headless/dialogs/dialog_answer.h"

#include <cctype>
#include <cstdlib>

#include "headless/host_error.h"
#include "headless/script/values.h"
#include "headless/text_encoding.h"

namespace vxh::dialogs {

namespace {

struct RawItem {
  std::string text;  // quotes removed
  bool quoted_value = false;
};

// Splits at ";" and line ends outside quotes.
std::vector<RawItem> SplitItems(std::string_view body) {
  std::vector<RawItem> items(1);
  bool quoted = false;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const char c = body[i];
    if (quoted) {
      if (c == '\\' && i + 1 < body.size() && (body[i + 1] == '"' || body[i + 1] == '\\')) {
        items.back().text += body[++i];
      } else if (c == '"') {
        quoted = false;
      } else {
        items.back().text += c;
      }
    } else if (c == '"') {
      quoted = true;
      items.back().quoted_value = true;
    } else if (c == ';' || c == '\n') {
      items.emplace_back();
    } else {
      items.back().text += c;
    }
  }
  if (quoted) throw BadInput("a quote in the dialog answer is not closed");
  return items;
}

int ControlId(std::string_view text, std::string_view item) {
  text = script::TrimBlanks(text);
  if (text == "ok" || text == "OK") return 1;
  if (text == "cancel" || text == "CANCEL") return 2;
  const std::optional<std::int32_t> id = script::ParseInteger(text);
  if (!id || *id <= 0) throw BadInput(QuoteForMessage(item) + " in the dialog answer names no control id");
  return *id;
}

AnswerItem ReadItem(const RawItem& raw) {
  const std::string_view text = raw.text;
  AnswerItem item;
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) {
    const std::string_view trimmed = script::TrimBlanks(text);
    if (trimmed.substr(0, 6) == "press " || trimmed.substr(0, 6) == "PRESS ") {
      item.kind = AnswerItem::Kind::kPress;
      item.id = ControlId(trimmed.substr(6), text);
    } else {
      item.id = ControlId(trimmed, text);
    }
    return item;
  }
  item.id = ControlId(text.substr(0, equals), text);
  const std::string_view value = text.substr(equals + 1);
  item.value = std::string(raw.quoted_value ? value : script::TrimBlanks(value));
  return item;
}

}  // namespace

std::vector<AnswerItem> ParseDialogAnswer(std::string_view body) {
  std::vector<AnswerItem> out;
  for (const RawItem& raw : SplitItems(body)) {
    if (script::TrimBlanks(raw.text).empty() && !raw.quoted_value) continue;
    out.push_back(ReadItem(raw));
  }
  return out;
}

}  // namespace vxh::dialogs
