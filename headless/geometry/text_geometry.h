// Texts (kind 5) for the geometry kernel: an approximate box and the
// transform of origin, height, width factor and angle.
#pragma once

#include <array>

#include "headless/geometry/matrix.h"
#include "headless/geometry/plane.h"
#include "host/kv_types.h"

namespace vxh {

// Corners of the text's box, estimated from its height, width factor, angle,
// justification and character counts. Font metrics replace this estimate once
// the host measures texts with its fonts.
std::array<P2, 4> ApproximateTextCorners(vx::Entity text);

// Moves the origin; the height and width factor follow the matrix's scale
// along the text's up and baseline directions (for a similarity: height ×
// scale, width factor kept); the angle follows the baseline direction, so a
// mirrored text stays readable.
void TransformText(vx::Entity text, const Matrix& m);

}  // namespace vxh
