#include "hatch/hatch_family.h"

#include <algorithm>
#include <cmath>

#include "hatch/extents_box.h"
#include "hatch/family_position.h"
#include "hatch/fill_limits.h"
#include "hatch/hatch_line.h"
#include "hatch/scan_line.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vx {

namespace {

// A dash pattern that never moves along the line cannot be laid out; such a
// family is drawn continuous (dots with no gaps between them are a line).
bool DashesAdvance(const LineFamily& family, float period) {
  if (family.dash_count <= 0 || family.dashes == nullptr) return false;
  if (!(period > 0) || !std::isfinite(period)) return false;
  return std::any_of(family.dashes, family.dashes + family.dash_count,
                     [&](float d) { return std::fabs(d * family.scale) > 0; });
}

struct DashedLine {
  const LineFamily& family;
  float period;
  double phase;
};

// Takes one line from the fill's allowance; false once it has run out.
bool TakeLine(FillContext& context) {
  if (context.lines_left <= 0) {
    context.too_dense = true;
    return false;
  }
  --context.lines_left;
  return true;
}

long AddDashes(DList* dest, const DashedLine& line, const double* p1, const double* p2, FillContext& context) {
  const LineFamily& f = line.family;
  const double x = p1[0];
  const double y1 = p1[1];
  const double y2 = p2[1];
  if ((y2 - y1) / line.period > fill::kMaxPeriodsPerLine) {
    if (!TakeLine(context)) return 0;
    AddHatchLine(dest, f, p1, p2);
    return 1;
  }
  double w = 0;
  if (!FirstDashStart(y1, line.period, line.phase, w)) return 0;
  long added = 0;
  double cycle_start = w;
  for (int j = 0; w < y2;) {
    const double d = f.dashes[j] * f.scale;
    if (d >= 0 && w + d > y1) {
      if (!TakeLine(context)) break;
      const double from[2] = {x, std::max(w, y1)};
      const double to[2] = {x, std::min(w + d, y2)};
      AddHatchLine(dest, f, from, to);
      ++added;
    }
    w += std::fabs(d);
    if (++j < f.dash_count) continue;
    j = 0;
    if (!(w > cycle_start)) break;  // the period vanishes against w
    cycle_start = w;
  }
  return added;
}

void FindCrossings(const ScanLine& scan, FillContext& context) {
  context.crossings.Clear();
  if (context.mode == ScanMode::kIndexed) {
    context.index.Collect(scan, context.crossings);
  } else {
    context.index.CollectAll(scan, context.crossings);
  }
}

// Pairs the crossings, first with second, third with fourth; an odd last
// crossing has no partner and is left out. A pair closer than `min_span` is
// one place where boundaries meet, not a line.
long FillScanLine(DList* dest, const ScanLine& scan, const LineFamily& family, const DashedLine* dashed,
                  double min_span, FillContext& context) {
  FindCrossings(scan, context);
  const std::vector<double>& crossings = context.crossings.Resolve();
  long added = 0;
  for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
    if (!(crossings[k + 1] - crossings[k] > min_span)) continue;
    const double p1[2] = {scan.x, crossings[k]};
    const double p2[2] = {scan.x, crossings[k + 1]};
    if (dashed == nullptr) {
      if (!TakeLine(context)) break;
      AddHatchLine(dest, family, p1, p2);
      ++added;
    } else {
      added += AddDashes(dest, *dashed, p1, p2, context);
    }
  }
  return added;
}

}  // namespace

long HatchFamily(DList* dest, const LineFamily& family, FillContext& context) {
  if (context.too_dense) return 0;
  const double spacing = family.spacing * family.scale;
  const double shift = family.shift * family.scale;
  const auto period = static_cast<float>(family.period * family.scale);
  ExtentsBox box{};
  if (!ReadExtentsBox(context.box, box)) return 0;
  FamilyStart start;
  if (!PlaceFirstLine(family.origin_x, family.origin_y, spacing, shift, box.min_x, start)) return 0;
  if ((box.max_x - start.x) / spacing > fill::kMaxScanLines) {
    context.too_dense = true;
    return 0;
  }
  bool dashed = DashesAdvance(family, period);
  double phase = start.phase;
  if (dashed && !NormalisePhase(phase, period)) dashed = false;
  if (!context.index_built) context.index.Build(context.boundary);
  context.index_built = true;
  context.index.Restart();
  const double min_span = fill::kMinSpanRelative * std::max(box.max_x - box.min_x, box.max_y - box.min_y);
  ScanLine scan;
  long added = 0;
  for (double x = start.x; x <= box.max_x && !context.too_dense;) {
    SetScanLine(scan, x, box.min_y, box.max_y);
    const DashedLine line{family, period, phase};
    added += FillScanLine(dest, scan, family, dashed ? &line : nullptr, min_span, context);
    const double next = x + spacing;
    if (next == x) break;
    x = next;
    phase += shift;
    if (dashed && !NormalisePhase(phase, period)) break;
  }
  return added;
}

}  // namespace vx
