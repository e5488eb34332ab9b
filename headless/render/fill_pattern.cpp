#include "headless/render/fill_pattern.h"

#include <cmath>

#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

namespace {

// Beyond this many lines per family, or dashes per line, the hatch would be
// a grey wash at any picture size: the family is left out, the line drawn
// continuous.
constexpr double kMostLinesPerFamily = 20000;
constexpr double kMostDashesPerLine = 20000;

std::optional<FillFamily> ReadFamily(const std::uint8_t* family, std::size_t room) {
  if (room < vx::kFamilyFixedBytes) return std::nullopt;
  const std::int32_t count = vx::GetI32(family, vx::kFamDashCount);
  if (count < 0 || (room - vx::kFamilyFixedBytes) / 4 < static_cast<std::size_t>(count)) return std::nullopt;
  FillFamily f;
  f.angle = vx::GetF32(family, vx::kFamAngle);
  f.origin = {vx::GetF32(family, vx::kFamOriginX), vx::GetF32(family, vx::kFamOriginY)};
  f.spacing = vx::GetF32(family, vx::kFamSpacing);
  for (std::int32_t d = 0; d < count; ++d) f.dashes.push_back(vx::GetF32(family, vx::kFamDashes + 4u * d));
  return f;
}

double Period(const std::vector<double>& dashes) {
  double period = 0;
  for (double d : dashes) period += std::fabs(d);
  return period;
}

// One line of a family: base + w·dir for w in [w0, w1].
struct HatchLine {
  P2 base, dir;
  double w0 = 0, w1 = 0;
  P2 At(double w) const { return {base.x + dir.x * w, base.y + dir.y * w}; }
};

// Cuts the line into its dashes; the pattern starts its periods at w = 0,
// so neighbouring lines keep one phase.
void AddDashes(const HatchLine& line, const std::vector<double>& dashes, double period, std::vector<Segment>& out) {
  for (double cycle = std::floor(line.w0 / period) * period; cycle < line.w1;) {
    double w = cycle;
    for (double d : dashes) {
      const double next = w + std::fabs(d);
      if (d >= 0 && next >= line.w0 && w <= line.w1)
        out.push_back({line.At(std::fmax(w, line.w0)), line.At(std::fmin(next, line.w1))});
      w = next;
    }
    if (cycle + period == cycle) break;  // the period vanishes against huge coordinates
    cycle += period;
  }
}

// The range of the box's corners across (n) and along (w) the lines.
struct Reach {
  double n0 = INFINITY, n1 = -INFINITY, w0 = INFINITY, w1 = -INFINITY;
};

Reach ReachOf(const Box2& box, const P2& origin, const P2& dir) {
  Reach r;
  for (const P2& c : {P2{box.x0, box.y0}, P2{box.x1, box.y0}, P2{box.x0, box.y1}, P2{box.x1, box.y1}}) {
    const double dx = c.x - origin.x, dy = c.y - origin.y;
    const double n = dy * dir.x - dx * dir.y, w = dx * dir.x + dy * dir.y;
    r.n0 = std::fmin(r.n0, n), r.n1 = std::fmax(r.n1, n);
    r.w0 = std::fmin(r.w0, w), r.w1 = std::fmax(r.w1, w);
  }
  return r;
}

void AddFamily(const FillFamily& f, double scale, const Box2& box, std::vector<Segment>& out) {
  const double spacing = f.spacing * scale;
  if (!(spacing > 0) || !std::isfinite(spacing)) return;
  const P2 dir{std::cos(f.angle), std::sin(f.angle)};
  const P2 origin{f.origin.x * scale, f.origin.y * scale};
  const Reach reach = ReachOf(box, origin, dir);
  const double first = std::ceil(reach.n0 / spacing), last = std::floor(reach.n1 / spacing);
  if (!(last - first < kMostLinesPerFamily)) return;
  std::vector<double> dashes;
  for (double d : f.dashes) dashes.push_back(d * scale);
  const double period = Period(dashes);
  const bool dashed = period > 0 && std::isfinite(period) && (reach.w1 - reach.w0) / period < kMostDashesPerLine;
  for (double k = first; k <= last; ++k) {
    const HatchLine line{{origin.x - dir.y * k * spacing, origin.y + dir.x * k * spacing}, dir, reach.w0, reach.w1};
    if (dashed)
      AddDashes(line, dashes, period, out);
    else
      out.push_back({line.At(line.w0), line.At(line.w1)});
  }
}

}  // namespace

std::optional<FillPattern> ReadFillPattern(const std::uint8_t* record) {
  if (record == nullptr) return std::nullopt;
  const std::uint32_t size = vx::GetU32(record, vx::kRecSize);
  if (size <= vx::kFillDataOffset || vx::GetU8(record, vx::kFillType) != vx::kFillTypeLineFamilies) return std::nullopt;
  const int offset = vx::GetI8(record, vx::kFillDataOffset);
  if (offset < 0 || static_cast<std::uint64_t>(offset) + vx::kFillDataFamilies > size) return std::nullopt;
  const std::uint8_t* data = record + offset;
  const std::size_t room = size - static_cast<std::size_t>(offset);
  FillPattern pattern;
  const float scale = vx::GetF32(data, vx::kFillDataScale);
  pattern.scale = scale > 0 && std::isfinite(scale) ? scale : 1.0;
  const std::uint32_t count = vx::GetU32(data, vx::kFillDataCount);
  pattern.solid = count == 0;
  std::size_t at = vx::kFillDataFamilies;
  for (std::uint32_t k = 0; k < count; ++k) {
    std::optional<FillFamily> family = ReadFamily(data + at, room - at);
    if (!family) break;
    at += vx::kFamilyFixedBytes + 4 * family->dashes.size();
    pattern.families.push_back(std::move(*family));
  }
  return pattern;
}

std::vector<Segment> HatchSegments(const FillPattern& pattern, const Box2& box) {
  std::vector<Segment> out;
  if (box.Empty() || !std::isfinite(box.x0) || !std::isfinite(box.x1) || !std::isfinite(box.y0) ||
      !std::isfinite(box.y1))
    return out;
  for (const FillFamily& f : pattern.families) AddFamily(f, pattern.scale, box, out);
  return out;
}

}  // namespace vxh
