// The in-memory list of PAT-file patterns: newest first, so that a lookup by
// name finds the definition read last.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

inline constexpr std::size_t kPatNameMax = 80;
inline constexpr int kPatMaxDashes = 200;

struct PatFamily {
  double angle = 0;  // radians
  double origin_x = 0;
  double origin_y = 0;
  double delta_x = 0;
  double delta_y = 0;
  float period = 0;           // sum of |dash|
  std::vector<float> dashes;  // at most kPatMaxDashes; empty: continuous
};

struct PatPattern {
  std::string name;                // at most kPatNameMax characters
  std::deque<PatFamily> families;  // reverse file order
};

struct PatList {
  std::deque<PatPattern> patterns;  // newest first
  bool loaded = false;              // LoadPatList ran since the last FreePatList
};

// The first pattern (newest) whose name equals `name` exactly; null if none.
const PatPattern* FindPatPattern(const PatList& list, std::string_view name);

// Reads the pattern definitions of one PAT file text into the list. Stops at
// the first NUL or after `size` bytes, whichever comes first.
void ParsePatText(const char* text, std::size_t size, PatList& list);

}  // namespace vx
