// Measures of a text record (kind 5) with the metrics of its font: length of
// its lines and its box relative to the insertion point.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vxh {

// The box in the text's own frame: x along the baseline from the insertion
// point, y upwards, before rotation. One line spans from its baseline to one
// text height above it; further lines add one line pitch each below. The box
// is shifted by the justification (far codes taken as their normal codes).
struct TextBox {
  double left = 0;
  double bottom = 0;
  double width = 0;
  double height = 0;
};

// Length of the longest line (lines split at CR LF), in drawing units:
// height × width factor × the font's advances.
double TextLength(const std::uint8_t* text);

TextBox LocalTextBox(const std::uint8_t* text);

// The lines of a text, split at CR LF (the views point into `s`).
std::vector<std::string_view> TextLines(std::string_view s);

// Justification codes 9 to 20 are the host's far codes; the normal code 0 to
// 8 they stand for, and 0 for anything past 20.
int NormalJustification(int code);

}  // namespace vxh
