// Random bytes as a stroke-font file, read both ways the program reads one:
// the host's reader (fonts, pictures, text widths) must give a font or a
// BadInput, and a font it accepts and can write back reads back the same;
// the pack's reader (text explode) must draw only finite strokes and never
// read past the file.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "headless/fonts/stroke_compose.h"
#include "headless/fonts/stroke_font_reader.h"
#include "headless/fonts/stroke_font_writer.h"
#include "headless/host_error.h"
#include "text/stroke_font.h"

namespace {

bool Finite(const vx::Point2& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

void DrawEveryCharacter(std::span<const std::uint8_t> bytes) {
  const vx::StrokeFont font(bytes);
  if (!font.Usable()) return;
  for (int c = 0; c < 256; ++c) {
    const auto code = static_cast<std::uint8_t>(c);
    if (!std::isfinite(font.Advance(code))) std::abort();
    for (const vx::StrokeShape& shape : font.Strokes(code, 10.0)) {
      if (!Finite(shape.from) || !Finite(shape.to) || !Finite(shape.centre)) std::abort();
    }
  }
}

void ReadWriteRead(std::span<const std::uint8_t> bytes) {
  vxh::StrokeFont font;
  try {
    font = vxh::ReadStrokeFont(bytes, "fuzz.vxf");
  } catch (const vxh::BadInput&) {
    return;
  }
  try {
    const std::vector<std::uint8_t> again = vxh::WriteStrokeFont(font);
    if (!(vxh::ReadStrokeFont(again, "again.vxf") == font)) std::abort();
  } catch (const vxh::BadInput&) {
    // A font the layout cannot hold (a line ending at x 127) is refused, not written wrong.
  }
  vxh::ComposeCp1252Glyphs(font);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  DrawEveryCharacter(bytes);
  ReadWriteRead(bytes);
  return 0;
}
