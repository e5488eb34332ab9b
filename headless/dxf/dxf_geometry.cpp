#include "headless/dxf/dxf_geometry.h"
#include "headless/tolerances.h"

#include <cmath>
#include <numbers>

namespace vxh::dxf {

namespace {

struct P3 {
  double x = 0, y = 0, w = 1;
};

P3 Mix(const P3& a, const P3& b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.w + (b.w - a.w) * t};
}

P2 Mix(P2 a, P2 b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

double Weight(const BSpline& s, std::size_t i) { return s.weights.empty() ? 1.0 : s.weights[i]; }

// The polar form of the spline on knot span k, evaluated with one argument
// per de Boor level. With all arguments equal it is the point on the curve;
// with a and b repeated it gives the Bezier control points of the span.
P3 Blossom(const BSpline& s, std::size_t k, const std::vector<double>& args) {
  const auto p = static_cast<std::size_t>(s.degree);
  std::vector<P3> d(p + 1);
  for (std::size_t i = 0; i <= p; ++i) {
    const std::size_t c = k - p + i;
    const double w = Weight(s, c);
    d[i] = {s.control[c].x * w, s.control[c].y * w, w};
  }
  for (std::size_t r = 1; r <= p; ++r) {
    for (std::size_t i = p; i >= r; --i) {
      const std::size_t idx = k - p + i;
      const double denom = s.knots[idx + p + 1 - r] - s.knots[idx];
      const double alpha = denom == 0 ? 0 : (args[r - 1] - s.knots[idx]) / denom;
      d[i] = Mix(d[i - 1], d[i], alpha);
    }
  }
  return d[p];
}

P2 Project(const P3& h) { return {h.x / h.w, h.y / h.w}; }

// Knot spans with a length, as indices k with knots[k] < knots[k + 1].
std::vector<std::size_t> Spans(const BSpline& s) {
  std::vector<std::size_t> spans;
  const auto p = static_cast<std::size_t>(s.degree);
  for (std::size_t k = p; k < s.control.size(); ++k) {
    if (s.knots[k] < s.knots[k + 1]) spans.push_back(k);
  }
  return spans;
}

std::vector<P2> RaiseToCubic(const std::vector<P2>& b) {
  if (b.size() == 4) return b;
  if (b.size() == 2) return {b[0], Mix(b[0], b[1], 1.0 / 3), Mix(b[0], b[1], 2.0 / 3), b[1]};
  return {b[0], Mix(b[0], b[1], 2.0 / 3), Mix(b[2], b[1], 2.0 / 3), b[2]};
}

}  // namespace

std::optional<BulgeArc> ArcOfBulge(P2 from, P2 to, double bulge) {
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double chord = std::hypot(dx, dy);
  if (bulge == 0 || chord == 0 || !std::isfinite(bulge)) return std::nullopt;
  // The centre lies on the chord's perpendicular bisector, on the left for a
  // counter-clockwise (positive) bulge smaller than a half circle.
  const double offset = (1 - bulge * bulge) / (4 * bulge);
  const P2 centre{(from.x + to.x) / 2 - dy * offset, (from.y + to.y) / 2 + dx * offset};
  BulgeArc arc;
  arc.centre = centre;
  arc.radius = std::hypot(from.x - centre.x, from.y - centre.y);
  arc.sweep = 4 * std::atan(bulge);
  arc.start = std::atan2(from.y - centre.y, from.x - centre.x);
  return arc;
}

const char* SplineProblem(const BSpline& s) {
  if (s.degree < 1 || s.degree > 25) return "a degree outside 1 to 25";
  const auto p = static_cast<std::size_t>(s.degree);
  if (s.control.size() < p + 1) return "fewer control points than its degree needs";
  if (s.knots.size() != s.control.size() + p + 1) return "a knot count that does not fit its control points";
  if (!s.weights.empty() && s.weights.size() != s.control.size())
    return "a weight count unlike its control point count";
  for (double w : s.weights) {
    if (!(w > 0) || !std::isfinite(w)) return "a weight that is not positive";
  }
  for (std::size_t i = 0; i < s.knots.size(); ++i) {
    if (!std::isfinite(s.knots[i])) return "a knot that is not a finite number";
    if (i > 0 && s.knots[i] < s.knots[i - 1]) return "decreasing knots";
  }
  if (!(s.knots[p] < s.knots[s.control.size()])) return "an empty parameter range";
  return "";
}

bool IsRational(const BSpline& s) {
  for (double w : s.weights) {
    if (w != s.weights.front()) return true;
  }
  return false;
}

std::vector<P2> BezierOfSpline(const BSpline& s) {
  std::vector<P2> out;
  const auto p = static_cast<std::size_t>(s.degree);
  for (std::size_t k : Spans(s)) {
    const double a = s.knots[k], b = s.knots[k + 1];
    std::vector<P2> segment;
    for (std::size_t j = 0; j <= p; ++j) {
      std::vector<double> args(p, a);
      for (std::size_t i = 0; i < j; ++i) args[p - 1 - i] = b;
      segment.push_back(Project(Blossom(s, k, args)));
    }
    const std::vector<P2> cubic = RaiseToCubic(segment);
    out.insert(out.end(), cubic.begin() + (out.empty() ? 0 : 1), cubic.end());
  }
  return out;
}

std::vector<P2> SampleSpline(const BSpline& s, int per_span) {
  std::vector<P2> out;
  const auto p = static_cast<std::size_t>(s.degree);
  for (std::size_t k : Spans(s)) {
    const double a = s.knots[k], b = s.knots[k + 1];
    for (int i = out.empty() ? 0 : 1; i <= per_span; ++i) {
      const double t = a + (b - a) * i / per_span;
      out.push_back(Project(Blossom(s, k, std::vector<double>(p, t))));
    }
  }
  return out;
}

bool IsClampedUniform(const BSpline& s) {
  const auto p = static_cast<std::size_t>(s.degree);
  const std::vector<double>& u = s.knots;
  const std::size_t n = s.control.size();
  for (std::size_t i = 1; i <= p; ++i) {
    if (u[i] != u[0] || u[n + i] != u[n]) return false;
  }
  const double step = (u[n] - u[p]) / static_cast<double>(n - p);
  for (std::size_t i = p + 1; i < n; ++i) {
    const double expected = u[p] + step * static_cast<double>(i - p);
    if (std::fabs(u[i] - expected) > tol::kDxfRelative * std::fabs(u[n] - u[p])) return false;
  }
  return true;
}

PatternLine PatternLineOf(double degrees, P2 origin, P2 offset, std::vector<double> dashes) {
  PatternLine line;
  line.angle = degrees * std::numbers::pi / 180;
  line.origin = origin;
  const double c = std::cos(line.angle), s = std::sin(line.angle);
  const double across = -offset.x * s + offset.y * c, along = offset.x * c + offset.y * s;
  // Lines spaced by -d are the lines spaced by d; the shift turns with them.
  line.spacing = std::fabs(across);
  line.shift = across < 0 ? -along : along;
  line.dashes = std::move(dashes);
  return line;
}

}  // namespace vxh::dxf
