// Lines of text in the host's stroke fonts, as the strokes of their files.
#pragma once

#include <string>
#include <string_view>

#include "headless/fonts/stroke_font.h"
#include "headless/render/path_builder.h"

namespace vxh {

// The font file "#name" (made from its Hershey source on first use), read
// once per run; none when it is missing or damaged.
const StrokeFont* StrokeFontNamed(const std::string& name);

// Adds the strokes of one line to the path: the pen starts at (0, 0) of the
// builder's frame, y up, capitals one `height` tall, x stretched by the
// width factor. Each character moves the pen by its advance plus the
// font's extra spacing, as the text metrics measure it.
void AddStrokeLine(PathBuilder& path, const StrokeFont& font, std::string_view line, double height,
                   double width_factor);

}  // namespace vxh
