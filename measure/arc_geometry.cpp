#include "measure/arc_geometry.h"

#include <cmath>
#include <utility>

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vx {

namespace {

// Below this a leader point sits on the centre and gives no direction.
constexpr double kShortestLeader = 0.001;

struct Side {
  double length;
  double angle;
};

// A leader point on the centre takes its side's angle from the leader
// direction turned round.
Side SideOf(const double* centre, const Vec2& leader, double direction) {
  const double length = std::hypot(leader[0] - centre[0], leader[1] - centre[1]);
  if (length > kShortestLeader) return {length, Angle(centre, leader.data())};
  return {length, _ANorm(direction + kPackPi)};
}

bool CounterClockwiseContains(double start, double end, double a) {
  if (end > start) return !(a < start || a > end);
  return !(end < a && a < start);
}

}  // namespace

void ComputeDimArc(const ArcDimState& s, std::uint8_t* record, const double* placed) {
  const double centre[2] = {GetF64(record, kDimArcCentreX), GetF64(record, kDimArcCentreY)};
  const double radius = std::hypot(placed[0] - centre[0], placed[1] - centre[1]);
  const double placed_angle = Angle(centre, placed);
  Side start = SideOf(centre, s.p1, s.a1);
  Side end = SideOf(centre, s.p2, s.a2);
  if (!CounterClockwiseContains(start.angle, end.angle, placed_angle)) std::swap(start, end);
  double sweep = end.angle - start.angle;
  if (sweep < 0) sweep += kDimTwoPi;
  PutF64(record, kDimArcRadius, radius);
  PutF64(record, kDimArcStart, start.angle);
  PutF64(record, kDimArcSweep, sweep);
  PutF64(record, kDimArcLeader1, start.length);
  PutF64(record, kDimArcLeader2, end.length);
}

void SetDimTextSide(std::uint8_t* record) {
  const double centre[2] = {GetF64(record, kDimArcCentreX), GetF64(record, kDimArcCentreY)};
  const double text[2] = {GetF64(record, kDimArcTextX), GetF64(record, kDimArcTextY)};
  double t = Angle(centre, text) - GetF64(record, kDimArcStart);
  if (t < 0) t += kDimTwoPi;
  PutU8(record, kDimArcTextSide, t < GetF64(record, kDimArcSweep) ? 0 : 1);
}

}  // namespace vx
