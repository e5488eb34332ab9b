// ELLIPSE and SPLINE.
//
// A spline with control points of degree 1 to 3 becomes a cubic Bezier curve
// path exactly (one segment per knot span, any knot vector); a quadratic one
// with clamped uniform knots becomes a quadratic B-spline curve (the
// TrueType reading, also exact). Rational splines and degrees above 3 have no
// exact twin: they are sampled, kSamplesPerSpan points per knot span, into a
// curve path of straight pieces. A spline given only by fit points becomes
// an interpolating spline through them.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "headless/dxf/dxf_collector.h"
#include "headless/tolerances.h"
#include "host/entity_layout.h"

namespace vxh::dxf {

namespace {

constexpr int kSamplesPerSpan = 16;
constexpr int kSplineClosed = 1;
constexpr int kSplinePeriodic = 2;

bool SamePoint(P2 a, P2 b) {
  const double scale = std::max({1.0, std::fabs(a.x), std::fabs(a.y)});
  return std::fabs(a.x - b.x) <= tol::kDxfRelative * scale && std::fabs(a.y - b.y) <= tol::kDxfRelative * scale;
}

int CurveKind(bool closed, const std::vector<P2>& points) {
  return closed && points.size() > 1 && SamePoint(points.front(), points.back()) ? vx::kKindClosedCurve
                                                                                 : vx::kKindCurvePath;
}

}  // namespace

void Collector::addEllipse(const DL_EllipseData& d) {
  FlushPending();
  bool mirrored = false;
  if (!Finite("ELLIPSE", {d.cx, d.cy, d.mx, d.my, d.ratio, d.angle1, d.angle2})) return;
  if (!PlaneOf("ELLIPSE", mirrored)) return;
  const double major = std::hypot(d.mx, d.my);
  if (!(major > 0) || !(d.ratio > 0) || d.ratio > 1 + tol::kDxfRelative) return;
  const double rotation = std::atan2(d.my, d.mx);
  const double minor = major * std::min(d.ratio, 1.0);
  const double two_pi = 2 * std::numbers::pi;
  double sweep = std::fmod(d.angle2 - d.angle1, two_pi);
  if (sweep < 0) sweep += two_pi;
  const bool full = sweep < tol::kDxfSweepAngle || two_pi - sweep < tol::kDxfSweepAngle;
  if (full) {
    AddRecord("ELLIPSE", EllipseRecord({d.cx, d.cy}, major, minor, rotation, Style()));
    return;
  }
  // Seen from below the parameter runs clockwise: the same arc is -end to -start.
  const double start = mirrored ? -d.angle2 : d.angle1;
  double a = std::fmod(start, two_pi);
  if (a < 0) a += two_pi;
  AddRecord("ELLIPSE", EllipticalArcRecord({d.cx, d.cy}, major, minor, rotation, a, sweep, Style()));
}

void Collector::addSpline(const DL_SplineData& d) {
  FlushPending();
  spline_ = Spline{};
  spline_.open = true;
  spline_.closed = (d.flags & (kSplineClosed | kSplinePeriodic)) != 0;
  spline_.curve.degree = static_cast<int>(d.degree);
  spline_.style = Style();
}

void Collector::addControlPoint(const DL_ControlPointData& d) {
  if (!spline_.open || !Finite("SPLINE", {d.x, d.y, d.w})) return;
  spline_.curve.control.push_back({d.x, d.y});
  spline_.curve.weights.push_back(d.w);
}

void Collector::addKnot(const DL_KnotData& d) {
  if (spline_.open && Finite("SPLINE", {d.k})) spline_.curve.knots.push_back(d.k);
}

void Collector::addFitPoint(const DL_FitPointData& d) {
  if (spline_.open && Finite("SPLINE", {d.x, d.y})) spline_.fit.push_back({d.x, d.y});
}

void Collector::FlushSpline() {
  if (!spline_.open) return;
  spline_.open = false;
  BuildSpline(spline_);
}

void Collector::BuildSpline(const Spline& s) {
  BSpline curve = s.curve;
  const bool usable = !curve.control.empty() && SplineProblem(curve)[0] == '\0';
  std::vector<P2> points;
  std::uint8_t type = vx::kCurveLines;
  if (usable && !IsRational(curve) && curve.degree <= 3) {
    if (curve.degree == 2 && IsClampedUniform(curve)) {
      type = vx::kCurveSpline;
      points = curve.control;
    } else {
      type = vx::kCurveBezier;
      points = BezierOfSpline(curve);
    }
  } else if (usable) {
    points = SampleSpline(curve, kSamplesPerSpan);
  } else if (s.fit.size() >= 2) {
    type = vx::kCurvePSpline;
    points = s.fit;
  }
  if (points.size() < 2 || points.size() > kMaxVertexCount) return;  // left uncounted: reported
  const int kind =
      type == vx::kCurvePSpline ? (s.closed ? vx::kKindClosedCurve : vx::kKindCurvePath) : CurveKind(s.closed, points);
  Item item;
  item.record = CurveRecord(kind, type, points, s.style);
  Add("SPLINE", std::move(item));
}

}  // namespace vxh::dxf
