#include "headless/fonts/text_metrics.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "headless/fonts/stroke_metrics.h"
#include "headless/fonts/text_font.h"
#include "headless/fonts/truetype_metrics.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

namespace {

// Lines of a stroke text are one and a half heights apart.
constexpr double kStrokeLinePitch = 1.5;

// Far justification codes 9..20 in terms of the normal codes 0..8.
constexpr int kFarToNormal[12] = {3, 5, 0, 0, 1, 2, 2, 6, 6, 7, 8, 8};
constexpr int kLastNormalCode = 8;
constexpr int kLastFarCode = 20;

void RequireText(const std::uint8_t* text, const char* operation) {
  if (text == nullptr) throw HostFault(std::string(operation) + ": no text record");
  if (vx::GetU8(text, vx::kHdrKind) != vx::kKindText)
    throw HostFault(std::string(operation) + ": the record is not a text");
  if (vx::GetU32(text, vx::kHdrSize) < vx::TextSize(0))
    throw HostFault(std::string(operation) + ": the text record is shorter than its fixed part");
}

std::string_view StringOf(const std::uint8_t* text) {
  const auto* s = reinterpret_cast<const char*>(text + vx::kTextString);
  const std::size_t room = vx::GetU32(text, vx::kHdrSize) - vx::kTextString;
  const auto* end = std::find(s, s + room, '\0');
  return {s, static_cast<std::size_t>(end - s)};
}

float Spec(const std::uint8_t* text, std::size_t field) { return vx::GetF32(text, vx::kTextSpec + field); }

struct Measured {
  double longest = 0;  // in text heights, width factor 1
  double pitch = 0;    // in text heights
  std::size_t lines = 1;
};

Measured Measure(const std::uint8_t* text) {
  const TextFont font = FontOfText(vx::GetU16(text, vx::kTextSpec + vx::kSpecFont));
  const std::uint8_t style = vx::GetU8(text, vx::kTextSpec + vx::kSpecStyleBits);
  const bool truetype = font.type == vx::kFontTrueType;
  Measured m;
  const std::vector<std::string_view> lines = TextLines(StringOf(text));
  m.lines = lines.size();
  m.pitch = truetype ? TrueTypeLinePitch() : kStrokeLinePitch;
  for (std::string_view line : lines) {
    const double length = truetype ? TrueTypeRunLength(font.name, style, line) : StrokeRunLength(font.name, line);
    m.longest = std::max(m.longest, length);
  }
  return m;
}

}  // namespace

std::vector<std::string_view> TextLines(std::string_view s) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t cr; (cr = s.find("\r\n", start)) != std::string_view::npos; start = cr + 2)
    lines.push_back(s.substr(start, cr - start));
  lines.push_back(s.substr(start));
  return lines;
}

int NormalJustification(int code) {
  if (code >= 0 && code <= kLastNormalCode) return code;
  if (code > kLastNormalCode && code <= kLastFarCode) return kFarToNormal[code - kLastNormalCode - 1];
  return 0;
}

double TextLength(const std::uint8_t* text) {
  RequireText(text, "LenText2");
  return Measure(text).longest * Spec(text, vx::kSpecHeight) * Spec(text, vx::kSpecWidth);
}

TextBox LocalTextBox(const std::uint8_t* text) {
  RequireText(text, "the box of a text");
  const double height = Spec(text, vx::kSpecHeight);
  const Measured m = Measure(text);
  TextBox box;
  box.width = m.longest * height * Spec(text, vx::kSpecWidth);
  box.height = height + m.pitch * height * static_cast<double>(m.lines - 1);
  const int justify = NormalJustification(vx::GetU8(text, vx::kTextSpec + vx::kSpecJustify));
  box.left = -box.width * (justify % 3) / 2;
  box.bottom = -box.height * (justify / 3) / 2;
  return box;
}

}  // namespace vxh
