// Adding one hatch line: a line record in hatch space, given the attributes,
// turned back into drawing space, given its line style and committed.
#pragma once

#include "hatch/line_family.h"
#include "host/kv_types.h"

namespace vx {

void AddHatchLine(DList* dest, const LineFamily& family, const double* p1, const double* p2);

}  // namespace vx
