#include "headless/fonts/stroke_font_writer.h"

#include <string>

#include "headless/host_error.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

namespace {

constexpr int kMaxCoordinate = 0x7F;
constexpr std::size_t kMaxOffset = 0x7FFF;

[[noreturn]] void Unencodable(int code, const std::string& what) {
  throw BadInput("stroke font: character " + std::to_string(code) + ": " + what);
}

void CheckCoordinate(int code, int value, const char* name) {
  if (value > kMaxCoordinate) Unencodable(code, std::string(name) + " " + std::to_string(value) + " is past 127");
}

void AppendRecord(std::vector<std::uint8_t>& out, int code, const StrokeRecord& r) {
  CheckCoordinate(code, r.x, "x");
  CheckCoordinate(code, r.y, "y");
  switch (r.kind) {
    case StrokeRecord::kMove: out.insert(out.end(), {r.x, r.y}); return;
    case StrokeRecord::kLine:
      if (r.x == kMaxCoordinate) Unencodable(code, "a line cannot end at x 127");
      out.insert(out.end(), {static_cast<std::uint8_t>(r.x | vx::kStrokeHighBit), r.y});
      return;
    case StrokeRecord::kArc:
      CheckCoordinate(code, r.radius, "radius");
      out.insert(out.end(), {r.x, static_cast<std::uint8_t>(r.y | vx::kStrokeHighBit), r.radius, r.start, r.end});
      return;
  }
  Unencodable(code, "unknown record kind");
}

void PutOffset(std::vector<std::uint8_t>& out, int code, std::size_t offset) {
  if (offset > kMaxOffset) Unencodable(code, "stroke list lies past byte 32767");
  vx::PutU16(out.data(), vx::kStrokeOffsets + 2 * static_cast<std::size_t>(code), static_cast<std::uint16_t>(offset));
}

}  // namespace

std::vector<std::uint8_t> WriteStrokeFont(const StrokeFont& font) {
  if (font.advance[0] != 0) Unencodable(0, "code 0 has no advance (its byte is the format)");
  std::vector<std::uint8_t> out(vx::kStrokeHeaderBytes, 0);
  vx::PutU8(out.data(), vx::kStrokeFormat, vx::kStrokeFormatVersion);
  for (int c = 1; c < kStrokeCodes; ++c) vx::PutI8(out.data(), vx::kStrokeAdvances + c, font.advance[c]);
  vx::Put<std::int16_t>(out.data(), vx::kStrokeEmSize, font.em_size);
  vx::Put<std::int16_t>(out.data(), vx::kStrokeBaseline, font.baseline);
  vx::Put<std::int16_t>(out.data(), vx::kStrokeExtraSpacing, font.extra_spacing);
  // Characters without strokes share one empty list.
  const std::size_t empty_list = out.size();
  out.push_back(vx::kStrokeListEnd);
  for (int c = 0; c < kStrokeCodes; ++c) {
    const auto& glyph = font.glyphs[static_cast<std::size_t>(c)];
    if (glyph.empty()) {
      PutOffset(out, c, empty_list);
      continue;
    }
    PutOffset(out, c, out.size());
    for (const StrokeRecord& r : glyph) AppendRecord(out, c, r);
    out.push_back(vx::kStrokeListEnd);
  }
  return out;
}

}  // namespace vxh
