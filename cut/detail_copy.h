// The enlarged detail of VXCUT's copy / enlarge: the copy list follows the
// cursor at the default scale (CTRL scales it), the boundary stays in place
// joined to its enlarged copy by two connector lines, and a click adds it all
// to the drawing.
#pragma once

#include "transform/transform_state.h"

namespace vx {

// Starts placing the copy list of the cut, carrying `from` (the centre of the
// boundary's extents) to the cursor. The command ends when placing does.
void StartDetailCopy(const Vec3& from);

}  // namespace vx
