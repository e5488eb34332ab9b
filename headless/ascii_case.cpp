#include "headless/ascii_case.h"

namespace vxh {

std::string AsciiLowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

std::string AsciiUppered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

bool HasExtension(std::string_view path, std::string_view extension) {
  return path.size() >= extension.size() && SameIgnoringCase(path.substr(path.size() - extension.size()), extension);
}

}  // namespace vxh
