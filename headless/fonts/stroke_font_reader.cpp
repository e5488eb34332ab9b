#include "headless/fonts/stroke_font_reader.h"

#include "headless/host_error.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

namespace {

struct Reader {
  std::span<const std::uint8_t> bytes;
  const std::string& source;

  [[noreturn]] void Fail(const std::string& problem) const { throw BadInput("stroke font " + source + ": " + problem); }

  std::vector<StrokeRecord> Glyph(int code, std::size_t at) const {
    const std::string who = "character " + std::to_string(code);
    if (at < vx::kStrokeHeaderBytes || at >= bytes.size())
      Fail(who + ": stroke list offset " + std::to_string(at) + " lies outside the file");
    std::vector<StrokeRecord> records;
    while (true) {
      if (at >= bytes.size()) Fail(who + ": stroke list runs past the end of the file");
      const std::uint8_t b1 = bytes[at];
      if (b1 == vx::kStrokeListEnd) return records;
      if (at + 1 >= bytes.size()) Fail(who + ": stroke list runs past the end of the file");
      const std::uint8_t b2 = bytes[at + 1];
      StrokeRecord r;
      r.x = b1 & 0x7F;
      r.y = b2 & 0x7F;
      if (b2 & vx::kStrokeHighBit) {
        if (at + vx::kStrokeArcBytes > bytes.size()) Fail(who + ": arc record runs past the end of the file");
        r.kind = StrokeRecord::kArc;
        r.radius = bytes[at + 2] & 0x7F;
        r.start = bytes[at + 3];
        r.end = bytes[at + 4];
        at += vx::kStrokeArcBytes;
      } else {
        r.kind = (b1 & vx::kStrokeHighBit) ? StrokeRecord::kLine : StrokeRecord::kMove;
        at += 2;
      }
      records.push_back(r);
    }
  }
};

}  // namespace

StrokeFont ReadStrokeFont(std::span<const std::uint8_t> bytes, const std::string& source) {
  const Reader reader{bytes, source};
  if (bytes.size() < vx::kStrokeHeaderBytes)
    reader.Fail("the file is " + std::to_string(bytes.size()) + " bytes, shorter than its " +
                std::to_string(vx::kStrokeHeaderBytes) + "-byte header");
  const std::uint8_t* data = bytes.data();
  if (data[vx::kStrokeFormat] != vx::kStrokeFormatVersion)
    reader.Fail("format " + std::to_string(data[vx::kStrokeFormat]) + ", expected 2");
  StrokeFont font;
  font.em_size = vx::Get<std::int16_t>(data, vx::kStrokeEmSize);
  font.baseline = vx::Get<std::int16_t>(data, vx::kStrokeBaseline);
  font.extra_spacing = vx::Get<std::int16_t>(data, vx::kStrokeExtraSpacing);
  if (font.em_size <= 0) reader.Fail("em size " + std::to_string(font.em_size) + " is not positive");
  for (int c = 0; c < kStrokeCodes; ++c) {
    if (c > 0) font.advance[static_cast<std::size_t>(c)] = vx::GetI8(data, vx::kStrokeAdvances + c);
    const auto offset = vx::Get<std::int16_t>(data, vx::kStrokeOffsets + 2 * static_cast<std::size_t>(c));
    if (offset < 0) reader.Fail("character " + std::to_string(c) + ": negative stroke list offset");
    font.glyphs[static_cast<std::size_t>(c)] = reader.Glyph(c, static_cast<std::size_t>(offset));
  }
  return font;
}

}  // namespace vxh
