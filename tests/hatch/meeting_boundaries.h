// Boundaries for hatch tests, each made twice: as the entity records the
// fill engine gets, and as rings of the region they enclose for GEOS.
#pragma once

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "tests/hatch/geos_region.h"
#include "tests/support/records.h"

namespace vxh::testing {

using vxtest::Record;

inline constexpr double kTau = 2 * std::numbers::pi;
// Points per full turn of the reference rings: chords within 5e-6 of the radius.
inline constexpr int kRingPoints = 1024;

// One entity, with its members when it is a group or a symbol.
struct Node {
  Record record;
  std::vector<Node> members;
};

struct Boundary {
  std::vector<Node> entities;
  std::vector<Ring> rings;

  void Add(Boundary other) {
    for (Node& n : other.entities) entities.push_back(std::move(n));
    for (Ring& r : other.rings) rings.push_back(std::move(r));
  }
};

// A 2-D affine map: x' = m[0] x + m[1] y + m[2], y' = m[3] x + m[4] y + m[5].
struct Affine {
  double m[6] = {1, 0, 0, 0, 1, 0};
  Pt operator()(Pt p) const { return {m[0] * p.x + m[1] * p.y + m[2], m[3] * p.x + m[4] * p.y + m[5]}; }
};

// p turned by angle a about the origin.
inline Pt Turn(Pt p, double a) {
  const double cs = std::cos(a), sn = std::sin(a);
  return {p.x * cs - p.y * sn, p.x * sn + p.y * cs};
}

inline Affine Placement(double angle, double sx, double sy, double dx, double dy) {
  const double c = std::cos(angle), s = std::sin(angle);
  return Affine{{c * sx, -s * sy, dx, s * sx, c * sy, dy}};
}

inline Record SymbolRecord(const Affine& a) {
  Record r = vxtest::Blank(vx::kKindSymbol, vx::SymbolSize(1));
  const double rows[12] = {a.m[0], a.m[1], 0, a.m[2], a.m[3], a.m[4], 0, a.m[5], 0, 0, 1, 0};
  for (int i = 0; i < 12; ++i) vx::PutF64(r.data(), vx::kSymMatrix + 8 * static_cast<std::size_t>(i), rows[i]);
  r[vx::kSymName] = 'H';
  return r;
}

inline Ring ArcPoints(Pt c, double r, double start, double sweep, bool with_end) {
  Ring out;
  const int steps = std::max(8, static_cast<int>(std::ceil(kRingPoints * std::fabs(sweep) / kTau)));
  for (int i = 0; i < steps + (with_end ? 1 : 0); ++i) {
    const double a = start + sweep * i / steps;
    out.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
  }
  return out;
}

// How a box is drawn: a polygon either way round (BOX repeats the first
// corner), four separate lines, or a path that closes on its first point.
enum class BoxStyle { kBox, kPolyBackward, kLines, kClosedPath };

inline Boundary Box(double x0, double y0, double x1, double y1, BoxStyle style) {
  const std::vector<std::pair<double, double>> c = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
  Boundary b;
  switch (style) {
    case BoxStyle::kBox:
      b.entities.push_back({vxtest::Poly(vx::kKindPolygon, {c[0], c[1], c[2], c[3], c[0]}), {}});
      break;
    case BoxStyle::kPolyBackward:
      b.entities.push_back({vxtest::Poly(vx::kKindPolygon, {c[0], c[3], c[2], c[1]}), {}});
      break;
    case BoxStyle::kClosedPath:
      b.entities.push_back({vxtest::Poly(vx::kKindPath, {c[0], c[1], c[2], c[3], c[0]}), {}});
      break;
    case BoxStyle::kLines:
      for (int i = 0; i < 4; ++i) {
        const auto& p = c[static_cast<std::size_t>(i)];
        const auto& q = c[static_cast<std::size_t>((i + 1) % 4)];
        b.entities.push_back({vxtest::Line(p.first, p.second, q.first, q.second), {}});
      }
      break;
  }
  b.rings.push_back({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
  return b;
}

inline Boundary Circle(double x, double y, double r) {
  return {{{vxtest::Circle(x, y, r), {}}}, {ArcPoints({x, y}, r, 0, kTau, false)}};
}

inline Boundary Ellipse(double x, double y, double major, double minor, double rotation) {
  Ring ring;
  const double c = std::cos(rotation), s = std::sin(rotation);
  for (int i = 0; i < kRingPoints; ++i) {
    const double t = kTau * i / kRingPoints;
    const double u = major * std::cos(t), v = minor * std::sin(t);
    ring.push_back({x + c * u - s * v, y + s * u + c * v});
  }
  return {{{vxtest::Ellipse(x, y, major, minor, rotation), {}}}, {ring}};
}

// A closed outline of straight pieces and arcs, as a polyline with bulges
// comes in from a DXF file: corners computed as the straight pieces see
// them, arcs by centre, radius and angles, so the two rarely meet bit for
// bit. `grouped` puts the pieces into a group as the import does.
struct Outline {
  std::vector<Node> pieces;
  Ring ring;

  void Straight(Pt a, Pt b) {
    pieces.push_back({vxtest::Line(a.x, a.y, b.x, b.y), {}});
    ring.push_back(a);
  }
  // Counter-clockwise from `start` over `sweep` (> 0).
  void Arc(Pt c, double r, double start, double sweep) {
    pieces.push_back({vxtest::Arc(c.x, c.y, r, start, sweep), {}});
    for (const Pt& p : ArcPoints(c, r, start, sweep, false)) ring.push_back(p);
  }
  Boundary Done(bool grouped) {
    Boundary b;
    if (grouped) {
      b.entities.push_back({vxtest::Group(), std::move(pieces)});
    } else {
      b.entities = std::move(pieces);
    }
    b.rings.push_back(std::move(ring));
    return b;
  }
};

// A slot: two half circles of radius r around p and q joined by straight sides.
inline Boundary Slot(Pt p, Pt q, double r, bool grouped) {
  const double along = std::atan2(q.y - p.y, q.x - p.x);
  const double nx = -std::sin(along) * r, ny = std::cos(along) * r;
  Outline o;
  o.Straight({p.x - nx, p.y - ny}, {q.x - nx, q.y - ny});
  o.Arc(q, r, along - kTau / 4, kTau / 2);
  o.Straight({q.x + nx, q.y + ny}, {p.x + nx, p.y + ny});
  o.Arc(p, r, along + kTau / 4, kTau / 2);
  return o.Done(grouped);
}

// A rectangle with corners rounded by r, turned by `angle` about its first corner.
inline Boundary RoundedRectangle(Pt origin, double w, double h, double r, double angle, bool grouped) {
  const Affine turn = Placement(angle, 1, 1, origin.x, origin.y);
  Outline o;
  const Pt centres[4] = {{w - r, r}, {w - r, h - r}, {r, h - r}, {r, r}};
  const Pt side_from[4] = {{r, 0}, {w, r}, {w - r, h}, {0, h - r}};
  const Pt side_to[4] = {{w - r, 0}, {w, h - r}, {r, h}, {0, r}};
  for (int i = 0; i < 4; ++i) {
    o.Straight(turn(side_from[i]), turn(side_to[i]));
    o.Arc(turn(centres[i]), r, angle - kTau / 4 + i * kTau / 4, kTau / 4);
  }
  return o.Done(grouped);
}

// A symbol instance whose members are `block` (in block coordinates).
inline Boundary Symbol(Boundary block, const Affine& placement) {
  Boundary b;
  b.entities.push_back({SymbolRecord(placement), std::move(block.entities)});
  for (Ring& ring : block.rings) {
    for (Pt& p : ring) p = placement(p);
    b.rings.push_back(std::move(ring));
  }
  return b;
}

}  // namespace vxh::testing
