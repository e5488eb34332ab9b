// Expanding the pattern in use into line families and filling each.
#pragma once

#include <cstdint>
#include <string_view>

#include "hatch/fill_context.h"
#include "host/kv_types.h"
#include "host/pack_constants.h"

namespace vx {

// Hatch space is the drawing turned by (kRightAngle - family angle), and
// back by its negative.
// Fills the boundary of the context (in hatch space for the angle of the
// prepared hatch settings) with the pattern named by the hatch options,
// adding the lines to `dest`; `source` gives their attributes (none: the
// current ones). Frees the PAT pattern list at the end. Returns the number of
// lines added; when the context is left too_dense, the lines added are only
// a part of the pattern and the caller removes them (TooDenseText says why).
long HatchPattern(DList* dest, FillContext& context, Entity source);

// What the fill commands say when a fill is too dense to draw.
inline constexpr char kTooDenseText[] =
    "Error: The hatch is too dense to draw (more than 2000000 lines)\n\n"
    "Use a larger hatch distance or pattern scale.";

// The number of the host's line style with this name; 0 when there is none.
std::uint16_t LineStyleNumber(std::string_view name);

}  // namespace vx
