#include "hatch/preview_lines.h"

#include <algorithm>
#include <cmath>

#include "hatch/family_position.h"
#include "hatch/hatch_pattern.h"

namespace vx {

namespace {

// Lines at k distances for k = 0 to 16, shifted by -8 distances so that
// they straddle the view, running far past its height.
constexpr int kLinePreviewCount = 17;
constexpr double kLinePreviewShift = -8;
constexpr double kLinePreviewReach = 20;

// The rectangle a PAT preview covers, and the scale rule's limits.
constexpr double kPatHalfWidth = 6;
constexpr double kPatHalfHeight = 2;
constexpr double kRepeatFit = 0.5;
constexpr double kSteepest = 0.1;
constexpr double kMostRepeats = 4;
constexpr double kSmallestScale = 0.01;

struct Turn {
  double c, s;
  explicit Turn(double angle) : c(std::cos(angle)), s(std::sin(angle)) {}
  void Apply(double& x, double& y) const {
    const double rx = c * x - s * y;
    y = s * x + c * y;
    x = rx;
  }
};

PreviewLine Turned(const Turn& t, double x1, double y1, double x2, double y2) {
  t.Apply(x1, y1);
  t.Apply(x2, y2);
  return {x1, y1, x2, y2};
}

struct Box {
  double min_x = HUGE_VAL, min_y = HUGE_VAL, max_x = -HUGE_VAL, max_y = -HUGE_VAL;
  void Add(double x, double y) {
    min_x = std::min(min_x, x);
    min_y = std::min(min_y, y);
    max_x = std::max(max_x, x);
    max_y = std::max(max_y, y);
  }
};

// One hatch-space line from y1 to y2 at x, cut into the family's dashes.
void AddDashed(const PatFamily& f, double k, double x, double y1, double y2, double phase, const Turn& back,
               std::vector<PreviewLine>& out) {
  const float period = static_cast<float>(f.period * k);
  double w = 0;
  if (f.dashes.empty() || !(period > 0) || !FirstDashStart(y1, period, phase, w)) {
    out.push_back(Turned(back, x, y1, x, y2));
    return;
  }
  for (std::size_t j = 0, n = 0; w < y2 && n < kMostPreviewLines; j = (j + 1) % f.dashes.size(), ++n) {
    const double d = f.dashes[j] * k;
    if (d >= 0 && w + d > y1) out.push_back(Turned(back, x, std::max(w, y1), x, std::min(w + d, y2)));
    w += std::fabs(d);
  }
}

void AddFamily(const PatFamily& f, double k, std::vector<PreviewLine>& out) {
  const Turn into(kRightAngle - f.angle);
  const Turn back(f.angle - kRightAngle);
  Box box;
  for (const double x : {-kPatHalfWidth, kPatHalfWidth}) {
    for (const double y : {-kPatHalfHeight, kPatHalfHeight}) {
      double px = x, py = y;
      into.Apply(px, py);
      box.Add(px, py);
    }
  }
  double ox = f.origin_x * k, oy = f.origin_y * k;
  into.Apply(ox, oy);
  const double spacing = std::fabs(f.delta_y) * k;
  const double shift = (f.delta_y >= 0 ? -f.delta_x : f.delta_x) * k;
  FamilyStart start;
  if (!PlaceFirstLine(ox, oy, spacing, shift, box.min_x, start)) return;
  const float period = static_cast<float>(f.period * k);
  double x = start.x, phase = start.phase;
  for (std::size_t n = 0; x <= box.max_x && n < kMostPreviewLines; ++n) {
    if (!f.dashes.empty() && period > 0) NormalisePhase(phase, period);
    AddDashed(f, k, x, box.min_y, box.max_y, phase, back, out);
    x += spacing;
    phase += shift;
  }
}

}  // namespace

std::vector<PreviewLine> LinePreviewLines(const HatchSettings& s, std::size_t line) {
  std::vector<PreviewLine> out;
  const double d = s.Distance();
  if (!(d > 0) || !std::isfinite(d) || !s.ScanOn(line)) return out;
  const double offset = (s.ScaleOffsets() ? d : 1.0) * s.ScanOffset(line);
  const Turn back(s.Angle() - kRightAngle);
  const double reach = kLinePreviewReach * d;
  for (int k = 0; k < kLinePreviewCount; ++k) {
    const double x = (k + kLinePreviewShift) * d + offset;
    out.push_back(Turned(back, x, -reach, x, reach));
  }
  return out;
}

double PatPreviewScale(const PatPattern& pattern) {
  double my = -1, mx = -1;
  for (const PatFamily& f : pattern.families) {
    const double c = std::cos(f.angle), s = std::sin(f.angle);
    if (std::fabs(c) > kSteepest) my = std::max(my, std::fabs(f.delta_y / c));
    if (std::fabs(s) > kSteepest) mx = std::max(mx, std::fabs(f.delta_y / s));
  }
  double k = kRepeatFit / my;
  if (mx * k > kMostRepeats) {
    k /= mx * k / kMostRepeats;
  } else if (mx * k < 1) {
    k /= mx * k;
  }
  return k < kSmallestScale || !std::isfinite(k) ? 1.0 : k;
}

std::vector<PreviewLine> PatPreviewLines(const PatPattern& pattern) {
  std::vector<PreviewLine> out;
  const double k = PatPreviewScale(pattern);
  for (const PatFamily& f : pattern.families) AddFamily(f, k, out);
  return out;
}

}  // namespace vx
