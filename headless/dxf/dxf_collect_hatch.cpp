// HATCH: each boundary loop becomes a closed outline of the host (a polygon
// when every edge is straight, otherwise a closed Bezier curve: lines and
// spline edges exactly, arcs and elliptical arcs within 3e-4 of the radius),
// and the pattern lines (or solid fill) a fill style. One loop is the filled
// outline itself; several are a group that carries the fill style, with the
// loops as members. The outline is marked as drawn by the HATCH alone, so
// that writing it back gives the HATCH without a boundary of its own.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "headless/dxf/dxf_collector.h"
#include "headless/tolerances.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh::dxf {

namespace {

constexpr double kQuarterTurn = std::numbers::pi / 2;
constexpr int kSamplesPerSpan = 16;

struct Outline {
  std::vector<P2> points;  // polygon vertices, or Bezier points (3n + 1)
  bool curved = false;
};

void AddLine(Outline& o, P2 a, P2 b) {
  if (o.points.empty()) o.points.push_back(a);
  o.points.push_back({a.x + (b.x - a.x) / 3, a.y + (b.y - a.y) / 3});
  o.points.push_back({a.x + 2 * (b.x - a.x) / 3, a.y + 2 * (b.y - a.y) / 3});
  o.points.push_back(b);
}

// An elliptical arc from parameter t0 over sweep (signed), in pieces of at
// most a quarter turn; a circle is the ellipse with equal axes.
void AddEllipticArc(Outline& o, P2 centre, P2 major, double ratio, double t0, double sweep) {
  const P2 minor{-major.y * ratio, major.x * ratio};
  const auto at = [&](double t) {
    return P2{centre.x + major.x * std::cos(t) + minor.x * std::sin(t),
              centre.y + major.y * std::cos(t) + minor.y * std::sin(t)};
  };
  const auto tangent = [&](double t) {
    return P2{-major.x * std::sin(t) + minor.x * std::cos(t), -major.y * std::sin(t) + minor.y * std::cos(t)};
  };
  const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / kQuarterTurn - tol::kDxfQuarterCount)));
  const double step = sweep / pieces;
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  for (int i = 0; i < pieces; ++i) {
    const double a = t0 + i * step, b = a + step;
    const P2 p0 = at(a), p3 = at(b), d0 = tangent(a), d3 = tangent(b);
    if (o.points.empty()) o.points.push_back(p0);
    o.points.push_back({p0.x + k * d0.x, p0.y + k * d0.y});
    o.points.push_back({p3.x - k * d3.x, p3.y - k * d3.y});
    o.points.push_back(p3);
  }
}

// Counter-clockwise sweep from a to b, in (0, 2 pi].
double CcwSweep(double a, double b) {
  double s = std::fmod(b - a, 2 * std::numbers::pi);
  if (s <= tol::kDxfSweepAngle) s += 2 * std::numbers::pi;
  return s;
}

template <typename Edge>
void AddArcEdge(Outline& o, const Edge& e) {
  const P2 centre = e.centre, major = e.major;
  const double ratio = e.ratio;
  // A clockwise edge gives its angles mirrored: it runs from -start to -end.
  const double a = e.ccw ? e.angle1 : -e.angle1, b = e.ccw ? e.angle2 : -e.angle2;
  const double sweep = e.ccw ? CcwSweep(a, b) : -CcwSweep(b, a);
  AddEllipticArc(o, centre, major, ratio, a, sweep);
}

void AddSplineEdge(Outline& o, const BSpline& s) {
  if (s.control.empty() || SplineProblem(s)[0] != '\0') return;
  if (!IsRational(s) && s.degree <= 3) {
    std::vector<P2> bezier = BezierOfSpline(s);
    if (!o.points.empty()) bezier.erase(bezier.begin());
    o.points.insert(o.points.end(), bezier.begin(), bezier.end());
    return;
  }
  const std::vector<P2> samples = SampleSpline(s, kSamplesPerSpan);
  for (std::size_t i = 1; i < samples.size(); ++i) AddLine(o, samples[i - 1], samples[i]);
}

// A polyline loop: straight unless a bulge says otherwise.
Outline PolylineOutline(const std::vector<std::vector<double>>& vertices) {
  Outline straight, curved;
  curved.curved = true;
  const std::size_t n = vertices.size();
  for (std::size_t i = 0; i < n; ++i) {
    const std::vector<double>& v = vertices[i];
    const std::vector<double>& w = vertices[(i + 1) % n];
    if (v.size() < 2 || w.size() < 2) continue;
    const P2 a{v[0], v[1]}, b{w[0], w[1]};
    straight.points.push_back(a);
    const double bulge = v.size() > 2 ? v[2] : 0;
    if (const auto arc = ArcOfBulge(a, b, bulge)) {
      AddEllipticArc(curved, arc->centre, {arc->radius, 0}, 1.0, arc->start, arc->sweep);
    } else if (i + 1 < n || a.x != b.x || a.y != b.y) {
      AddLine(curved, a, b);
    }
  }
  for (const auto& v : vertices) {
    if (v.size() > 2 && v[2] != 0) return curved;
  }
  return straight;
}

// A pattern line of the plane seen from below, in the drawing's plane: the
// angle turns to 180° - angle and the origin's x changes sign; the lines keep
// their spacing and the next one lies the other way along them.
PatternLine Mirrored(PatternLine line) {
  line.angle = std::numbers::pi - line.angle;
  line.origin.x = -line.origin.x;
  line.shift = -line.shift;
  return line;
}

bool AllFinite(const Outline& o) {
  return std::all_of(o.points.begin(), o.points.end(), [](P2 p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

}  // namespace

void Collector::addHatch(const DL_HatchData& d) {
  FlushPending();
  hatch_ = Hatch{};
  hatch_.open = true;
  hatch_.solid = d.solid;
  hatch_.pattern = Decode(d.pattern);
  hatch_.style = Style();
  hatch_.lines = next_hatch_ < hatch_patterns_.size() ? hatch_patterns_[next_hatch_] : std::vector<PatternLine>{};
  ++next_hatch_;
  if (!PlaneOf("HATCH", hatch_.mirrored)) hatch_.skip = true;
}

void Collector::addHatchLoop(const DL_HatchLoopData&) {
  if (hatch_.open) hatch_.loops.emplace_back();
}

void Collector::addHatchEdge(const DL_HatchEdgeData& e) {
  if (!hatch_.open || hatch_.loops.empty()) return;
  HatchEdge edge;
  edge.type = e.type;
  switch (e.type) {
    case 0: edge.vertices = e.vertices; break;
    case 1: edge.from = {e.x1, e.y1}, edge.to = {e.x2, e.y2}; break;
    case 2:
      edge.centre = {e.cx, e.cy}, edge.major = {e.radius, 0};
      edge.angle1 = e.angle1, edge.angle2 = e.angle2, edge.ccw = e.ccw;
      break;
    case 3:
      edge.centre = {e.cx, e.cy}, edge.major = {e.mx, e.my}, edge.ratio = e.ratio;
      edge.angle1 = e.angle1, edge.angle2 = e.angle2, edge.ccw = e.ccw;
      break;
    case 4:
      edge.spline.degree = static_cast<int>(e.degree);
      edge.spline.knots = e.knots;
      for (const auto& c : e.controlPoints) {
        if (c.size() >= 2) edge.spline.control.push_back({c[0], c[1]});
      }
      if (e.rational) edge.spline.weights = e.weights;
      break;
    default: return;
  }
  hatch_.loops.back().push_back(std::move(edge));
}

void Collector::FlushHatch() {
  if (!hatch_.open) return;
  hatch_.open = false;
  if (hatch_.skip) return;
  EntityStyle style = hatch_.style;
  style.dxf_flags |= kDxfHatchOnly;
  std::vector<PatternLine> lines = hatch_.solid ? std::vector<PatternLine>{} : hatch_.lines;
  if (hatch_.mirrored) std::transform(lines.begin(), lines.end(), lines.begin(), &Mirrored);
  style.fill_style = tables_.FillStyle(hatch_.solid ? "SOLID" : hatch_.pattern, lines);
  std::vector<Item> loops;
  for (const auto& edges : hatch_.loops) {
    Outline o;
    for (const HatchEdge& e : edges) {
      switch (e.type) {
        case 0: o = PolylineOutline(e.vertices); break;
        case 1: o.curved = true, AddLine(o, e.from, e.to); break;
        case 2:
        case 3: o.curved = true, AddArcEdge(o, e); break;
        case 4: o.curved = true, AddSplineEdge(o, e.spline); break;
        default: break;
      }
    }
    if (o.points.size() < 3 || o.points.size() >= kMaxVertexCount || !AllFinite(o)) continue;
    // Lines, Bézier control points and polygon corners all mirror as points.
    if (hatch_.mirrored) {
      for (P2& p : o.points) p.x = -p.x;
    }
    Item loop;
    if (o.curved) {
      if (o.points.front().x != o.points.back().x || o.points.front().y != o.points.back().y) {
        AddLine(o, o.points.back(), o.points.front());
      }
      loop.record = CurveRecord(vx::kKindClosedCurve, vx::kCurveBezier, o.points, style);
    } else {
      loop.record = PolyRecord(vx::kKindPolygon, o.points, style);
    }
    loops.push_back(std::move(loop));
  }
  if (loops.empty()) return;  // left uncounted: reported
  if (loops.size() == 1) {
    Add("HATCH", std::move(loops.front()));
    return;
  }
  Item group;
  group.record = GroupRecord(style);
  for (Item& loop : loops) {
    vx::PutU16(loop.record.data(), vx::kHdrFillStyle, 0);
    group.members.push_back(std::move(loop));
  }
  Add("HATCH", std::move(group));
}

}  // namespace vxh::dxf
