// Random text as a Hershey font (.jhf), the source the host makes its stroke
// fonts from: reading and converting must give a font or a BadInput, and a
// converted font must be one the stroke-font writer can hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "headless/fonts/hershey_convert.h"
#include "headless/fonts/hershey_reader.h"
#include "headless/fonts/stroke_font_writer.h"
#include "headless/host_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const auto glyphs = vxh::ReadHershey(text, "fuzz.jhf");
    const vxh::StrokeFont font = vxh::StrokeFontFromHershey(glyphs, 32, "fuzz.jhf");
    vxh::WriteStrokeFont(font);
  } catch (const vxh::BadInput&) {
  }
  return 0;
}
