// Arc dimensions (kind 30) as a picture shows them: the dimension arc
// between the two leader directions, an extension line out from each leader
// point to just past the arc, an arrow at each end of the arc and the
// measured angle in degrees at the text position.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "headless/geometry/piece.h"
#include "headless/render/text_run.h"

namespace vxh {

struct ArcDimension {
  P2 centre;
  double radius = 0;
  double start = 0;         // radians
  double sweep = 0;         // counter-clockwise from start
  double leader_start = 0;  // centre to the leader point on the start side
  double leader_end = 0;
  P2 text;
  bool text_placed = false;  // false: the host places the text
  // From the record's dimension style block.
  double extend_past = 0, offset_point = 0, arrow_length = 0, arrow_height = 0, text_height = 0;
};

// None for records too short or holding values that are not finite.
std::optional<ArcDimension> ReadArcDimension(vx::Entity entity);

struct DimensionFigure {
  std::vector<Piece> strokes;             // arc, extension lines, the degree mark
  std::vector<std::array<P2, 3>> arrows;  // filled
  TextRun label;
};

// The width of a text as laid out with its font.
using MeasureText = std::function<double(const TextRun&)>;

// The label uses the drawing's text defaults for its font, the style's text
// height, horizontal, centred on the text position; without a placed text it
// sits outside the middle of the arc. A text placed beyond the sweep gets
// the arc drawn on to it. Arrows that do not fit inside a short arc point
// in from outside.
DimensionFigure ArcDimensionFigure(const ArcDimension& dimension, const TextSpec& defaults, const MeasureText& measure);

}  // namespace vxh
