#include "hatch/paint_probe.h"

#include <algorithm>
#include <vector>

#include "hatch/scan_line.h"

namespace vx {

ProbeSpan NarrowProbe(const BoundaryIndex& index, CrossingBuffer& crossings, double position, double min, double max,
                      double along) {
  const double start = min - 1;
  const double end = max + 1;
  ScanLine probe;
  SetScanLine(probe, position, start, end);
  crossings.Clear();
  index.CollectAll(probe, crossings);
  const std::vector<double>& ys = crossings.Resolve();
  // The crossings come sorted: the first at or above the cursor bounds the
  // probe from above, the one before it from below.
  const auto above = std::lower_bound(ys.begin(), ys.end(), along);
  ProbeSpan span{start, end, false};
  if (above != ys.end() && *above < end) span.upper = *above;
  if (above != ys.begin() && *(above - 1) > start) span.lower = *(above - 1);
  span.bounded = span.lower > start && span.upper < end;
  return span;
}

}  // namespace vx
