// LWPOLYLINE and POLYLINE. Straight polylines become paths (open) or
// polygons (closed); a polyline with bulges becomes a group of lines and
// exact arcs, which keeps every arc as the circle piece it is.
#include <cmath>
#include <numbers>

#include "headless/dxf/dxf_collector.h"
#include "host/entity_layout.h"

namespace vxh::dxf {

namespace {

// POLYLINE flags: closed; 3-D mesh and polyface mesh are not plane outlines.
constexpr int kPolylineClosed = 1;
constexpr int kPolylineMesh = 16;
constexpr int kPolylineFaces = 64;

bool HasBulges(const std::vector<double>& bulges) {
  for (double b : bulges) {
    if (b != 0) return true;
  }
  return false;
}

}  // namespace

void Collector::addPolyline(const DL_PolylineData& d) {
  FlushPending();
  polyline_ = Polyline{};
  polyline_.open = true;
  polyline_.closed = (d.flags & kPolylineClosed) != 0;
  polyline_.skip = (d.flags & (kPolylineMesh | kPolylineFaces)) != 0;
  polyline_.style = Style();
  if (!PlaneOf("POLYLINE", polyline_.mirrored)) polyline_.skip = true;
}

void Collector::addVertex(const DL_VertexData& d) {
  if (!polyline_.open || !Finite("polyline vertex", {d.x, d.y, d.bulge})) return;
  const double flip = polyline_.mirrored ? -1 : 1;
  polyline_.points.push_back({flip * d.x, d.y});
  polyline_.bulges.push_back(flip * d.bulge);
}

void Collector::endSequence() {
  polyline_.ended_by_seqend = true;
  FlushPolyline();
}

void Collector::FlushPolyline() {
  if (!polyline_.open) return;
  polyline_.open = false;
  const char* type = polyline_.ended_by_seqend ? "POLYLINE" : "LWPOLYLINE";
  if (polyline_.skip) {
    ++model_.losses[std::string(type) + " meshes and faces"];
    // The entity is accounted for by the note.
    ++model_.converted[type];
    return;
  }
  if (polyline_.points.size() < 2 || polyline_.points.size() >= kMaxVertexCount) return;
  BuildPolyline(polyline_);
}

void Collector::BuildPolyline(const Polyline& p) {
  const char* type = p.ended_by_seqend ? "POLYLINE" : "LWPOLYLINE";
  if (!HasBulges(p.bulges)) {
    Item item;
    item.record = PolyRecord(p.closed ? vx::kKindPolygon : vx::kKindPath, p.points, p.style);
    Add(type, std::move(item));
    return;
  }
  Item group;
  group.record = GroupRecord(p.style);
  const std::size_t n = p.points.size();
  const std::size_t segments = p.closed ? n : n - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    const P2 from = p.points[i], to = p.points[(i + 1) % n];
    Item piece;
    if (const auto arc = ArcOfBulge(from, to, p.bulges[i])) {
      // Host arcs run counter-clockwise; a clockwise piece starts at its end.
      const double start = arc->sweep > 0 ? arc->start : arc->start + arc->sweep;
      double a = std::fmod(start, 2 * std::numbers::pi);
      if (a < 0) a += 2 * std::numbers::pi;
      piece.record = ArcRecord(arc->centre, arc->radius, a, std::fabs(arc->sweep), p.style);
    } else if (from.x != to.x || from.y != to.y) {
      piece.record = LineRecord(from, to, p.style);
    } else {
      continue;
    }
    group.members.push_back(std::move(piece));
  }
  Add(type, std::move(group));
}

}  // namespace vxh::dxf
