// Pure rules of text replace: search with or without regard to case (the
// ASCII letters and the code page 1252 letters å, ä, ö fold to upper case),
// the match modes and the replacement itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// The byte used for comparisons that ignore case.
std::uint8_t CaseFold(std::uint8_t byte);

// The position of the first occurrence of `search` in `text`; none for an
// empty search.
std::optional<std::size_t> FindText(std::string_view text, std::string_view search, bool ignore_case);

enum MatchMode : int { kMatchAll = 0, kMatchBeginning = 1, kMatchPart = 2 };

struct ReplaceRule {
  std::string_view search;
  std::string_view replacement;
  int match = kMatchPart;
  bool ignore_case = true;
};

// Whether the rule applies to the string: it exists, is not empty, is shorter
// than the rule text limit, and the search text is found as the mode asks (All:
// the whole string; Beginning: at its start; Part: anywhere).
bool SearchMatches(const char* text, const ReplaceRule& rule);

// The text with the search text replaced: every occurrence from left to right,
// never overlapping and found only in the old text (Part), or the first one.
// The result grows as it needs; nothing is cut.
std::string ReplacedText(std::string_view text, const ReplaceRule& rule);

// True when the text holds a digit; the replacement's prompt and keys depend
// on it.
bool HoldsDigit(std::string_view text);
// True when the text is empty or only digits.
bool OnlyDigits(std::string_view text);

}  // namespace vx
