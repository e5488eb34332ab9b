// The painting of the scan/paint hatch: the drag routine of its point
// request paints (or, with CTRL, removes) one segment at every hatch line
// position the cursor swept since the last sample.
#pragma once

#include "host/kv_types.h"

namespace vx {

void PaintDrag(DragView* view);

}  // namespace vx
