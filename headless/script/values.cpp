#include "headless/script/values.h"

#include <charconv>
#include <cmath>

namespace vxh::script {

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitFields(std::string_view text, char separator) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t at = text.find(separator);
    fields.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return fields;
    text.remove_prefix(at + 1);
  }
}

std::optional<double> ParseNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  // from_chars would read "inf" and "nan"; a script number starts with a
  // digit, a point or a minus sign.
  const char first = text.front() == '-' && text.size() > 1 ? text[1] : text.front();
  if (!(first >= '0' && first <= '9') && first != '.') return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<PointText> ParsePoint(std::string_view text) {
  text = TrimBlanks(text);
  PointText point;
  if (!text.empty() && text.front() == '@') {
    point.relative = true;
    text.remove_prefix(1);
  }
  const std::vector<std::string_view> fields = SplitFields(text, ',');
  if (fields.size() != 2 && fields.size() != 3) return std::nullopt;
  double* out[3] = {&point.x, &point.y, &point.z};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::optional<double> value = ParseNumber(fields[i]);
    if (!value) return std::nullopt;
    *out[i] = *value;
  }
  point.count = static_cast<int>(fields.size());
  return point;
}

}  // namespace vxh::script
