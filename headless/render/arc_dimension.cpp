#include "headless/render/arc_dimension.h"

#include <cmath>
#include <cstdio>

#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

namespace {

constexpr double kRadiansToDegrees = 360.0 / kTwoPi;
constexpr std::uint8_t kTextPlacedFlag = 0x4;
constexpr std::uint8_t kMiddleCentre = 4;
// Values of a new drawing's dimension style, for style blocks that hold none.
constexpr double kDefaultExtendPast = 2.5;
constexpr double kDefaultOffsetPoint = 0.78125;
constexpr double kDefaultArrowLength = 2.25;
constexpr double kDefaultArrowHeight = 1.0;
constexpr double kDefaultTextHeight = 2.5;
// The degree mark: a ring of this many text heights, after the number.
constexpr double kDegreeRadius = 0.15;
constexpr double kDegreeGap = 0.15;

double StyleValue(vx::Entity e, std::size_t field, double otherwise) {
  const double v = vx::GetF32(e, vx::kDimStyle + field);
  return v > 0 && std::isfinite(v) ? v : otherwise;
}

P2 Polar(const P2& c, double r, double a) { return {c.x + r * std::cos(a), c.y + r * std::sin(a)}; }

// From the leader point out to just past the arc, leaving the style's gap
// at the leader point (less when the arc is closer than the gap).
Piece ExtensionLine(const ArcDimension& d, double leader, double angle) {
  const double out = d.radius >= leader ? 1 : -1;
  const double gap = std::fmin(d.offset_point, std::fabs(d.radius - leader));
  return Piece::Line(Polar(d.centre, leader + out * gap, angle),
                     Polar(d.centre, d.radius + out * d.extend_past, angle));
}

// Tip on the arc at `angle`; the body runs along the arc in direction `way`
// (+1 counter-clockwise).
std::array<P2, 3> Arrow(const ArcDimension& d, double angle, double way) {
  const double base = angle + way * d.arrow_length / d.radius;
  const double half = d.arrow_height / 2;
  return {Polar(d.centre, d.radius, angle), Polar(d.centre, d.radius + half, base),
          Polar(d.centre, d.radius - half, base)};
}

// How far past each end the arc is drawn for a text placed beyond the sweep.
void ReachText(const ArcDimension& d, double& before, double& after) {
  if (!d.text_placed) return;
  double t = std::remainder(std::atan2(d.text.y - d.centre.y, d.text.x - d.centre.x) - d.start, kTwoPi);
  if (t < 0) t += kTwoPi;
  if (t <= d.sweep) return;
  if (t - d.sweep <= kTwoPi - t)
    after = std::fmax(after, t - d.sweep);
  else
    before = std::fmax(before, kTwoPi - t);
}

// Outside the middle of the arc, clear of it; a label wider than the arc
// also clears the extension lines, which then run close beside it.
P2 DefaultTextPlace(const ArcDimension& d, double width) {
  const double middle = d.start + d.sweep / 2;
  const double clear =
      d.offset_point + std::fabs(std::cos(middle)) * width / 2 + std::fabs(std::sin(middle)) * d.text_height / 2;
  double from = d.radius;
  if (d.radius * d.sweep < width) from = std::fmax(d.radius + d.extend_past, std::fmax(d.leader_start, d.leader_end));
  return Polar(d.centre, from + clear, middle);
}

std::string DegreesText(double sweep) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", sweep * kRadiansToDegrees);
  return text;
}

}  // namespace

std::optional<ArcDimension> ReadArcDimension(vx::Entity e) {
  if (vx::GetU32(e, vx::kHdrSize) < vx::kDimArcSize) return std::nullopt;
  ArcDimension d;
  d.centre = {vx::GetF64(e, vx::kDimArcCentreX), vx::GetF64(e, vx::kDimArcCentreY)};
  d.radius = vx::GetF64(e, vx::kDimArcRadius);
  d.start = vx::GetF64(e, vx::kDimArcStart);
  d.sweep = vx::GetF64(e, vx::kDimArcSweep);
  d.leader_start = vx::GetF64(e, vx::kDimArcLeader1);
  d.leader_end = vx::GetF64(e, vx::kDimArcLeader2);
  d.text = {vx::GetF64(e, vx::kDimArcTextX), vx::GetF64(e, vx::kDimArcTextY)};
  d.text_placed = (vx::GetU8(e, vx::kDimArcFlags) & kTextPlacedFlag) != 0;
  d.extend_past = StyleValue(e, vx::kDimBlockExtendPast, kDefaultExtendPast);
  d.offset_point = StyleValue(e, vx::kDimBlockOffsetPoint, kDefaultOffsetPoint);
  d.arrow_length = StyleValue(e, vx::kDimBlockArrowLength, kDefaultArrowLength);
  d.arrow_height = StyleValue(e, vx::kDimBlockArrowHeight, kDefaultArrowHeight);
  d.text_height = StyleValue(e, vx::kDimBlockTextHeight, kDefaultTextHeight);
  for (double v :
       {d.centre.x, d.centre.y, d.radius, d.start, d.sweep, d.leader_start, d.leader_end, d.text.x, d.text.y})
    if (!std::isfinite(v)) return std::nullopt;
  if (!(d.radius > 0) || d.sweep < 0 || d.sweep > kTwoPi) return std::nullopt;
  return d;
}

DimensionFigure ArcDimensionFigure(const ArcDimension& d, const TextSpec& defaults, const MeasureText& measure) {
  DimensionFigure f;
  const double end = d.start + d.sweep;
  const bool arrows_inside = 2 * d.arrow_length <= d.radius * d.sweep;
  double before = arrows_inside ? 0 : d.arrow_length / d.radius * 1.5;
  double after = before;
  ReachText(d, before, after);
  f.strokes.push_back(Piece::CircleArc(d.centre, d.radius, d.start - before, d.sweep + before + after));
  f.strokes.push_back(ExtensionLine(d, d.leader_start, d.start));
  f.strokes.push_back(ExtensionLine(d, d.leader_end, end));
  f.arrows.push_back(Arrow(d, d.start, arrows_inside ? 1 : -1));
  f.arrows.push_back(Arrow(d, end, arrows_inside ? -1 : 1));

  f.label = RunOf({}, defaults.data(), DegreesText(d.sweep));
  f.label.height = d.text_height;
  f.label.angle = 0;
  if (!(f.label.width_factor > 0)) f.label.width_factor = 1;
  f.label.justify = kMiddleCentre;
  const double number = measure(f.label);
  const double mark = (kDegreeGap + 2 * kDegreeRadius) * d.text_height;
  const P2 place = d.text_placed ? d.text : DefaultTextPlace(d, number + mark);
  // Number and mark together are centred on the place.
  f.label.origin = {place.x - mark / 2, place.y};
  const P2 ring{place.x + number / 2 - mark / 2 + (kDegreeGap + kDegreeRadius) * d.text_height,
                place.y + d.text_height / 2 - kDegreeRadius * d.text_height};
  f.strokes.push_back(Piece::CircleArc(ring, kDegreeRadius * d.text_height, 0, kTwoPi));
  return f;
}

}  // namespace vxh
