#include "hatch/smart_steps.h"

#include <algorithm>
#include <cmath>

#include "hatch/hatch_layout.h"

namespace vx {

bool BuildSmartSteps(const HatchSettings& s, std::uint16_t (*style_of)(std::string_view), SmartSteps& out) {
  out = SmartSteps{};
  const double distance = s.Distance();
  if (!std::isfinite(distance) || !(distance > 0)) return false;
  const double factor = s.ScaleOffsets() ? distance : 1.0;
  out.count = 1;
  out.step[0] = distance;
  out.style[0] = style_of(s.ScanStyle(0));
  for (std::size_t line = 1; line < kScanLineCount; ++line) {
    if (!s.ScanOn(line)) continue;
    const double step = factor * s.ScanOffset(line);
    out.step[out.count] = step;
    out.style[out.count] = style_of(s.ScanStyle(line));
    out.step[0] -= step;
    ++out.count;
  }
  for (int k = 0; k < out.count; ++k) {
    if (!std::isfinite(out.step[k]) || !(out.step[k] > 0)) return false;
  }
  return true;
}

double SmallestStep(const SmartSteps& steps) {
  double smallest = steps.step[0];
  for (int k = 1; k < steps.count; ++k) smallest = std::min(smallest, steps.step[k]);
  return smallest;
}

}  // namespace vx
