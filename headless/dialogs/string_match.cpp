#include "headless/dialogs/string_match.h"
#include "headless/ascii_case.h"

#include <cctype>

namespace vxh::dialogs {

namespace {

bool SameLetter(char a, char b) { return AsciiUpper(a) == AsciiUpper(b); }

// Greedy matching with one backtrack point: the last "*" seen. Linear in
// practice and never recursive, so no pattern can exhaust the stack.
bool Match(std::string_view p, std::string_view t, bool prefix) {
  std::size_t pi = 0, ti = 0;
  std::size_t star = std::string_view::npos, star_text = 0;
  while (ti < t.size()) {
    if (pi == p.size() && prefix) return true;
    if (pi < p.size() && (p[pi] == '?' || (p[pi] != '*' && SameLetter(p[pi], t[ti])))) {
      ++pi;
      ++ti;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      star_text = ti;
    } else if (star != std::string_view::npos) {
      pi = star + 1;
      ti = ++star_text;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view text) {
  if (!pattern.empty() && pattern.front() == '=') return Match(pattern.substr(1), text, true);
  return Match(pattern, text, false);
}

}  // namespace vxh::dialogs
