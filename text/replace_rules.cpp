#include "text/replace_rules.h"

#include <algorithm>
#include <cstring>

#include "text/case_rules.h"
#include "text/number_rules.h"

namespace vx {

namespace {

bool SameByte(char a, char b, bool ignore_case) {
  if (!ignore_case) return a == b;
  return CaseFold(static_cast<std::uint8_t>(a)) == CaseFold(static_cast<std::uint8_t>(b));
}

}  // namespace

// The fold of a comparison is the upper case of the case commands: the same
// letters of the code page.
std::uint8_t CaseFold(std::uint8_t byte) { return ToUpper(byte); }

std::optional<std::size_t> FindText(std::string_view text, std::string_view search, bool ignore_case) {
  if (search.empty() || search.size() > text.size()) return std::nullopt;
  for (std::size_t p = 0; p + search.size() <= text.size(); ++p) {
    if (std::equal(search.begin(), search.end(), text.begin() + static_cast<std::ptrdiff_t>(p),
                   [ignore_case](char a, char b) { return SameByte(a, b, ignore_case); })) {
      return p;
    }
  }
  return std::nullopt;
}

bool SearchMatches(const char* text, const ReplaceRule& rule) {
  if (text == nullptr || rule.search.empty()) return false;
  const std::size_t length = strnlen(text, kRuleTextLimit);
  if (length == 0 || length >= kRuleTextLimit) return false;
  const std::string_view s(text, length);
  const std::optional<std::size_t> at = FindText(s, rule.search, rule.ignore_case);
  if (!at) return false;
  switch (rule.match) {
    case kMatchAll: return *at == 0 && s.size() == rule.search.size();
    case kMatchBeginning: return *at == 0;
    default: return true;
  }
}

std::string ReplacedText(std::string_view text, const ReplaceRule& rule) {
  std::string out;
  out.reserve(text.size());
  std::size_t from = 0;
  while (std::optional<std::size_t> at = FindText(text.substr(from), rule.search, rule.ignore_case)) {
    out.append(text.substr(from, *at));
    out.append(rule.replacement);
    from += *at + rule.search.size();
    if (rule.match != kMatchPart) break;
  }
  out.append(text.substr(from));
  return out;
}

bool HoldsDigit(std::string_view text) { return std::any_of(text.begin(), text.end(), IsDigit); }

bool OnlyDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), IsDigit); }

}  // namespace vx
