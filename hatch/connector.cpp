#include "hatch/connector.h"

#include <cstdint>

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vx {

namespace {

double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// Straight edge e1-e2 against the connector: both parameters in [0, 1].
// Parallel edges never meet it.
bool EdgeCrosses(const Connector& c, const double* e1, const double* e2) {
  if (c.horizontal) {
    const double m = c.from[1];
    if ((e1[1] < m) != (m < e2[1])) return false;
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

bool LineCrosses(Entity e, const Connector& c) {
  const double a[2] = {GetF64(e, kLineX1), GetF64(e, kLineY1)};
  const double b[2] = {GetF64(e, kLineX2), GetF64(e, kLineY2)};
  return EdgeCrosses(c, a, b);
}

void Vertex(Entity e, std::uint32_t i, double* out) {
  out[0] = GetF64(e, kPolyVertices + kVertexBytes * i);
  out[1] = GetF64(e, kPolyVertices + kVertexBytes * i + 8);
}

bool PathCrosses(Entity e, const Connector& c, bool closed) {
  const std::uint32_t count = GetU16(e, kPolyCount);
  // A record shorter than its count claims is read only as far as it goes.
  const std::uint32_t size = GetU32(e, kHdrSize);
  if (size < PolySize(count) || count < 2) return false;
  double a[2];
  double b[2];
  for (std::uint32_t i = 0; i + 1 < count; ++i) {
    Vertex(e, i, a);
    Vertex(e, i + 1, b);
    if (EdgeCrosses(c, a, b)) return true;
  }
  if (!closed) return false;
  Vertex(e, count - 1, a);
  Vertex(e, 0, b);
  return EdgeCrosses(c, a, b);
}

bool OtherCrosses(Entity e, const Connector& c) {
  std::uint8_t line[kLineSize] = {};
  PutU32(line, kHdrSize, kLineSize);
  PutI8(line, kHdrKind, kKindLine);
  PutF64(line, kLineX1, c.from[0]);
  PutF64(line, kLineY1, c.from[1]);
  PutF64(line, kLineX2, c.to[0]);
  PutF64(line, kLineY2, c.to[1]);
  double* points = nullptr;
  const int count = FindAllInts(line, e, &points);
  if (count <= 0 || points == nullptr) return false;
  const bool closed = (EInfo(e, 1) & kInfoClosed) != 0;
  // A closed entity met at one point only touches the connector.
  if (count == 1 && closed) return false;
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

int CrossesOne(DList*, Entity e, std::intptr_t connector, std::intptr_t) {
  const Connector& c = *reinterpret_cast<const Connector*>(connector);
  switch (GetI8(e, kHdrKind)) {
    case kKindLine: return LineCrosses(e, c) ? 1 : 0;
    case kKindPath: return PathCrosses(e, c, false) ? 1 : 0;
    case kKindPolygon: return PathCrosses(e, c, true) ? 1 : 0;
    default: return OtherCrosses(e, c) ? 1 : 0;
  }
}

}  // namespace

bool ConnectorBlocked(DList* boundary, const Connector& connector) {
  return boundary->Walk(&CrossesOne, kWalkAll, reinterpret_cast<std::intptr_t>(&connector)) != 0;
}

}  // namespace vx
