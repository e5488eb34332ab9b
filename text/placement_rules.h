// The arithmetic of text placement: CTRL scaling, SHIFT rotation, the
// surround box and circle, and merging the host's changed text defaults.
#pragma once

#include <array>
#include <cstdint>

#include "transform/transform_state.h"

namespace vx {

// The height after the cursor moved dy up in a view that high: a tenth of the
// view multiplies by 1.6, the same down divides by it.
float ScaledTextHeight(float height, double dy, double view_height);

// The angle from the insertion point, in 15-degree steps.
double SteppedTextAngle(double angle);

// The closed box around a text's extents, a third of the height off them.
using SurroundOutline = std::array<Vec2, 5>;
SurroundOutline SurroundBox(const double* min, const double* max, float height);

struct SurroundRing {
  Vec2 centre;
  double radius;
};
// The circle through the box's corners.
SurroundRing SurroundCircle(const SurroundOutline& box);

// Copies into spec every field of the 23-byte text spec that differs between
// last and now, field by field; the other fields of spec stay.
void MergeChangedDefaults(std::uint8_t* spec, const std::uint8_t* last, const std::uint8_t* now);

}  // namespace vx
