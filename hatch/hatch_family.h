// The scan fill of one line family.
#pragma once

#include "hatch/fill_context.h"
#include "hatch/line_family.h"
#include "host/kv_types.h"

namespace vx {

// Lays scan lines across the boundary's extents, pairs their crossings
// (even-odd), cuts the pairs into dashes and adds each piece to `dest` as a
// line in drawing space. Returns the number of lines added. A family whose
// spacing is not a positive finite number, or too small to move the scan
// line on, is skipped; a dashed family whose dashes are all 0 (period 0) is
// drawn continuous. A family needing too many scan lines, or more lines than
// the fill has left, sets the context's too_dense and stops; once it is set
// no further family adds anything.
long HatchFamily(DList* dest, const LineFamily& family, FillContext& context);

}  // namespace vx
