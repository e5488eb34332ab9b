#include "host/snap.h"

#include "host/int_truncation.h"

namespace vx {

double SnapToMultiple(double step, double value) { return TruncateToInt32(value / step + 0.5) * step; }

}  // namespace vx
