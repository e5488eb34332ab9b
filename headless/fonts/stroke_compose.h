// The characters 128 to 255 of code page 1252 for a stroke font that has
// only ASCII glyphs: accented letters as the base letter with its accent
// drawn as strokes, the rest built from the font's own glyphs (scaled,
// raised, side by side) or drawn as strokes (docs/fonts.md lists them).
#pragma once

#include "headless/fonts/stroke_font.h"

namespace vxh {

// Fills every printable code from 128 to 255 that has no strokes yet; 0xA0
// (no-break space) takes the advance of the space. Needs the ASCII glyphs,
// among them "x" for the lower-case height.
void ComposeCp1252Glyphs(StrokeFont& font);

}  // namespace vxh
