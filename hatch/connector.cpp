#include "hatch/connector.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/line_record.h"
#include "host/record.h"

namespace vx {

namespace {

// A millionth of the connector's position and length.
constexpr double kReachRelative = 1e-6;

double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

void Vertex(Entity e, std::uint32_t i, double* out) {
  out[0] = GetF64(e, kPolyVertices + kVertexBytes * i);
  out[1] = GetF64(e, kPolyVertices + kVertexBytes * i + 8);
}

// Calls `visit` with each edge of a line, path or polygon in order until it
// returns true; returns whether it did.
template <typename Visit>
bool AnyEdge(Entity e, Visit&& visit) {
  StraightEdge edge;
  const int kind = GetI8(e, kHdrKind);
  if (kind == kKindLine) {
    edge = {{GetF64(e, kLineX1), GetF64(e, kLineY1)}, {GetF64(e, kLineX2), GetF64(e, kLineY2)}};
    return visit(edge);
  }
  const std::uint32_t count = GetU16(e, kPolyCount);
  // A record shorter than its count claims is read only as far as it goes.
  const std::uint32_t size = GetU32(e, kHdrSize);
  if (size < PolySize(count) || count < 2) return false;
  for (std::uint32_t i = 0; i + 1 < count; ++i) {
    Vertex(e, i, edge.a);
    Vertex(e, i + 1, edge.b);
    if (visit(edge)) return true;
  }
  if (kind != kKindPolygon) return false;
  Vertex(e, count - 1, edge.a);
  Vertex(e, 0, edge.b);
  return visit(edge);
}

struct Walked {
  const AreaConnector& connector;
  GridBox reach;
};

int CrossesOne(DList*, Entity e, std::intptr_t data, std::intptr_t) {
  const Walked& w = *reinterpret_cast<const Walked*>(data);
  if (!IsStraightKind(GetI8(e, kHdrKind))) return OtherCrosses(e, w.connector) ? 1 : 0;
  return AnyEdge(e, [&](const StraightEdge& edge) { return EdgeCrosses(w.connector, w.reach, edge); }) ? 1 : 0;
}

}  // namespace

GridBox ConnectorReach(const AreaConnector& c) {
  const double dx = c.to[0] - c.from[0];
  const double dy = c.to[1] - c.from[1];
  double size = std::fabs(dx);
  for (double v : {dy, c.from[0], c.from[1], c.to[0], c.to[1]}) size = std::max(size, std::fabs(v));
  const double reach = kReachRelative * size;
  return {std::min(c.from[0], c.to[0]) - reach, std::min(c.from[1], c.to[1]) - reach,
          std::max(c.from[0], c.to[0]) + reach, std::max(c.from[1], c.to[1]) + reach};
}

GridBox EdgeBox(const StraightEdge& e) {
  return {std::min(e.a[0], e.b[0]), std::min(e.a[1], e.b[1]), std::max(e.a[0], e.b[0]), std::max(e.a[1], e.b[1])};
}

// Both parameters in [0, 1]. Parallel edges never meet the connector.
bool EdgeCrosses(const AreaConnector& c, const GridBox& reach, const StraightEdge& edge) {
  const double* e1 = edge.a;
  const double* e2 = edge.b;
  if (c.horizontal) {
    const double m = c.from[1];
    if ((e1[1] < m) != (m < e2[1])) return false;
  }
  if (std::max(e1[0], e2[0]) < reach.min_x || std::min(e1[0], e2[0]) > reach.max_x ||
      std::max(e1[1], e2[1]) < reach.min_y || std::min(e1[1], e2[1]) > reach.max_y) {
    return false;
  }
  const double cx = c.to[0] - c.from[0];
  const double cy = c.to[1] - c.from[1];
  const double ex = e2[0] - e1[0];
  const double ey = e2[1] - e1[1];
  const double d = Cross(cx, cy, ex, ey);
  if (d == 0) return false;
  const double wx = e1[0] - c.from[0];
  const double wy = e1[1] - c.from[1];
  const double t = Cross(wx, wy, ex, ey) / d;
  const double u = Cross(wx, wy, cx, cy) / d;
  return t >= 0 && t <= 1 && u >= 0 && u <= 1;
}

bool IsStraightKind(int kind) { return kind == kKindLine || kind == kKindPath || kind == kKindPolygon; }

void AppendStraightEdges(Entity e, std::vector<StraightEdge>& out) {
  AnyEdge(e, [&](const StraightEdge& edge) {
    out.push_back(edge);
    return false;
  });
}

// A connector's line this close to the unit circle of a circle's or an
// ellipse's own frame only touches it.
constexpr double kTouchRelative = 1e-6;

// Whether the connector's line touches a circle or an ellipse rather than
// crossing into it, measured in the frame where the conic is the unit
// circle. Null for other kinds.
std::optional<bool> TouchesConic(Entity e, const AreaConnector& c) {
  double centre[2], a, b, rotation = 0;
  switch (GetI8(e, kHdrKind)) {
    case kKindCircle:
      centre[0] = GetF64(e, kCircleX), centre[1] = GetF64(e, kCircleY);
      a = b = GetF64(e, kCircleR);
      break;
    case kKindEllipse:
      centre[0] = GetF64(e, kEllipseX), centre[1] = GetF64(e, kEllipseY);
      a = GetF64(e, kEllipseMajor), b = GetF64(e, kEllipseMinor), rotation = GetF64(e, kEllipseRotation);
      break;
    default: return std::nullopt;
  }
  if (!(a > 0 && b > 0)) return std::nullopt;
  const auto unit = [&](const double* p, double* out) {
    const double dx = p[0] - centre[0], dy = p[1] - centre[1];
    const double cs = std::cos(rotation), sn = std::sin(rotation);
    out[0] = (dx * cs + dy * sn) / a;
    out[1] = (-dx * sn + dy * cs) / b;
  };
  double p[2], q[2];
  unit(c.from, p);
  unit(c.to, q);
  const double length = std::hypot(q[0] - p[0], q[1] - p[1]);
  if (!(length > 0)) return std::nullopt;
  const double distance = std::fabs(p[0] * q[1] - p[1] * q[0]) / length;  // of the line from the centre
  return std::fabs(distance - 1) <= kTouchRelative;
}

bool OtherCrosses(Entity e, const AreaConnector& c) {
  LineRecord record = MakeLineRecord(c.from[0], c.from[1], c.to[0], c.to[1]);
  std::uint8_t* line = record.data();
  double* points = nullptr;
  const int count = FindAllInts(line, e, &points);
  if (count <= 0 || points == nullptr) return false;
  const bool closed = (EInfo(e, 1) & kInfoClosed) != 0;
  // A closed entity met at one point only touches the connector, when the
  // meeting is a tangency. The meetings are the connector's own, not its
  // line's: a connector that ends inside a circle meets it once and crosses
  // into it, so for circles and ellipses only a tangent line is a touch.
  if (count == 1 && closed && TouchesConic(e, c).value_or(true)) return false;
  for (int i = 0; i < count; ++i) {
    const double* point = points + 3 * i;
    double on_connector = -1;
    if (EGet(line, kQueryParamOf, point, &on_connector) == 0) continue;
    if (!(on_connector >= 0 && on_connector <= 1)) continue;
    if (closed) return true;
    double on_entity = -1;
    if (EGet(e, kQueryParamOf, point, &on_entity) == 0) continue;
    if (on_entity >= 0 && on_entity <= 1) return true;
  }
  return false;
}

bool ConnectorBlocked(DList* boundary, const AreaConnector& connector) {
  const Walked walked{connector, ConnectorReach(connector)};
  return boundary->Walk(&CrossesOne, kWalkAll, reinterpret_cast<std::intptr_t>(&walked)) != 0;
}

}  // namespace vx
