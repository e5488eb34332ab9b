#include "host/point_in_polygon.h"

#include "host/entity_layout.h"
#include "host/record.h"

namespace vx {
namespace {

// Offsets relative to the kind-specific part of the record.
constexpr std::size_t kDataCount = kPolyCount - kHeaderBytes;
constexpr std::size_t kDataVertices = kPolyVertices - kHeaderBytes;

Point2 VertexAt(const std::uint8_t* data, std::size_t index) {
  const std::size_t at = kDataVertices + index * kVertexBytes;
  return Point2{GetF64(data, at), GetF64(data, at + 8)};
}

// Whether the upward ray from p crosses the edge from a to b.
bool RayCrossesEdge(Point2 a, Point2 b, Point2 p) {
  if (b.x == a.x) return false;                     // exact: vertical edge
  if ((b.x - p.x) * (p.x - a.x) < 0) return false;  // p.x outside the edge's span
  if (b.x == p.x && !(a.x > p.x)) return false;     // exact: the vertex counts once
  if (a.x == p.x && !(b.x > p.x)) return false;
  const double slope = (b.y - a.y) / (b.x - a.x);
  const double y = slope * p.x + (a.y - slope * a.x);
  return y > p.y;
}

}  // namespace

bool PointInPolygon(const std::uint8_t* polygon_data, Point2 p) {
  const std::size_t count = GetU16(polygon_data, kDataCount);
  if (count == 0) return false;
  bool inside = false;
  Point2 previous = VertexAt(polygon_data, count - 1);
  for (std::size_t i = 0; i < count; ++i) {
    const Point2 current = VertexAt(polygon_data, i);
    if (RayCrossesEdge(previous, current, p)) inside = !inside;
    previous = current;
  }
  return inside;
}

}  // namespace vx
