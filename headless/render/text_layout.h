// Where the lines of a text go, measured with its font's advances (the same
// metrics as LenText2 and the text box): the text's own frame has x along
// the baseline from the insertion point and y upwards, before rotation.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "headless/geometry/matrix.h"
#include "headless/render/picture_styles.h"
#include "headless/render/text_run.h"

namespace vxh {

struct LaidLine {
  std::string text;
  double x = 0;  // start of the baseline in the text's frame
  double y = 0;
  double width = 0;
};

struct TextLayout {
  std::vector<LaidLine> lines;
  // The box: the first line from its baseline to one height above, one line
  // pitch more per further line, placed by the justification.
  double left = 0, bottom = 0, width = 0, height = 0;
};

// Lines split at CR LF, each placed by the horizontal part of the
// justification within the box.
TextLayout LayOutText(const TextRun& run, const FontChoice& font);

// The text's frame in drawing coordinates: rotation by its angle about the
// insertion point.
Matrix TextFrame(const TextRun& run);

// Corners of the box in drawing coordinates, counter-clockwise from the
// bottom left.
std::array<P2, 4> TextCorners(const TextRun& run, const TextLayout& layout);

}  // namespace vxh
