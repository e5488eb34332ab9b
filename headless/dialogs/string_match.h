// The host's wildcard match (StMatch), pure. Rules:
//   "*" matches any run of characters, also none;
//   "?" matches any one character;
//   a "=" at the very start makes the rest match the start of the text
//     ("=AN" matches "ANSI31" but not "BANANA"; "=A?S" matches "ANSI31");
//   everything else matches itself, ignoring the case of ASCII letters;
//   an empty pattern matches only the empty text ("=" alone matches all).
#pragma once

#include <string_view>

namespace vxh::dialogs {

bool WildcardMatch(std::string_view pattern, std::string_view text);

}  // namespace vxh::dialogs
