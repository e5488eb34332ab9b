// The line families of a fill style (table 5, type 3) and the hatch lines
// they lay over a box: plain data in, segments out.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "headless/geometry/piece.h"

namespace vxh {

struct FillFamily {
  double angle = 0;  // radians
  P2 origin;         // a point of one of the family's lines
  double spacing = 0;
  std::vector<double> dashes;  // positive drawn, negative gap, 0 a dot; empty: continuous
};

struct FillPattern {
  double scale = 1;
  std::vector<FillFamily> families;
  // A style that names no family at all fills its area solid; one whose
  // families cannot be read draws what it can, never a solid block.
  bool solid = false;
};

// None unless the record is a line-family fill style whose data lies inside
// it; families that would run past the record's end are left out.
std::optional<FillPattern> ReadFillPattern(const std::uint8_t* record);

using Segment = std::pair<P2, P2>;

// The pieces of every family's lines (scaled by the pattern's scale, origin
// included) that cross the box, cut into dashes. Lines whose dash pattern
// does not advance are drawn continuous; a family with a spacing that is
// not positive, or that would need more lines than the picture can show,
// is left out. A dot is a segment of no length.
std::vector<Segment> HatchSegments(const FillPattern& pattern, const Box2& box);

}  // namespace vxh
