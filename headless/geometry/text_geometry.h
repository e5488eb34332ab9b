// Texts (kind 5) for the geometry kernel: their box and the transform of
// origin, height, width factor and angle.
#pragma once

#include <array>

#include "headless/geometry/matrix.h"
#include "headless/geometry/plane.h"
#include "host/kv_types.h"

namespace vxh {

// Corners of the text's box in the drawing (counter-clockwise from the
// bottom left of the unrotated box): the advance widths of its font along the
// baseline and the text height per line upwards (headless/fonts/text_metrics.h),
// placed by the justification and rotated by the angle. It approximates the
// ink: descenders and accents may reach past it.
std::array<P2, 4> ApproximateTextCorners(vx::Entity text);

// Moves the origin; the height and width factor follow the matrix's scale
// along the text's up and baseline directions (for a similarity: height ×
// scale, width factor kept); the angle follows the baseline direction, so a
// mirrored text stays readable.
void TransformText(vx::Entity text, const Matrix& m);

}  // namespace vxh
