// Reads a stroke font file in the host's layout (docs/fonts.md).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "headless/fonts/stroke_font.h"

namespace vxh {

// Throws BadInput naming the file and the problem: too short, a format other
// than 2, a stroke list outside the file or running past its end.
StrokeFont ReadStrokeFont(std::span<const std::uint8_t> bytes, const std::string& source);

}  // namespace vxh
