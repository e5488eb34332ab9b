// FindAllInts: every point where two entities meet, in order along the first.
#include <algorithm>
#include <cmath>
#include <vector>

#include "headless/geometry/checked_pointer.h"
#include "headless/geometry/entity_meetings.h"
#include "headless/geometry/piece_intersect.h"
#include "headless/geometry/shape_of.h"
#include "headless/geometry/tolerances.h"
#include "host/host_api.h"

namespace vxh {

namespace {

struct Found {
  double t;  // parameter along the first shape
  P2 point;
};

struct IndexedBox {
  Box2 box;
  std::size_t index;
};

// The second shape's pieces by their left edge, so each piece of the first
// only looks at pieces that can reach it.
std::vector<IndexedBox> SortedBoxes(const Shape& shape) {
  std::vector<IndexedBox> boxes;
  boxes.reserve(shape.Pieces().size());
  for (std::size_t i = 0; i < shape.Pieces().size(); ++i) boxes.push_back({shape.Pieces()[i].Bounds(), i});
  std::sort(boxes.begin(), boxes.end(), [](const IndexedBox& l, const IndexedBox& r) { return l.box.x0 < r.box.x0; });
  return boxes;
}

void Collect(const Shape& a, const Shape& b, double size, std::vector<Found>& found) {
  const double margin = tol::kMeetRelative * size;
  const std::vector<IndexedBox> boxes = SortedBoxes(b);
  std::vector<Meeting> meetings;
  for (std::size_t i = 0; i < a.Pieces().size(); ++i) {
    const Piece& piece = a.Pieces()[i];
    const Box2 box = piece.Bounds();
    for (const IndexedBox& other : boxes) {
      if (other.box.x0 > box.x1 + margin) break;
      if (!box.Meets(other.box, margin)) continue;
      meetings.clear();
      IntersectPieces(piece, b.Pieces()[other.index], size, meetings);
      for (const Meeting& m : meetings) found.push_back({a.Global(i, m.sa), m.point});
    }
  }
}

// Sorted along the first shape; a point met twice (at a vertex shared by two
// segments, or the start and end of a closed shape) counts once.
std::vector<Found> Ordered(std::vector<Found> found, bool closed, double size) {
  if (closed)
    for (Found& f : found)
      if (f.t == 1) f.t = 0;
  std::stable_sort(found.begin(), found.end(), [](const Found& l, const Found& r) { return l.t < r.t; });
  const double same = tol::kMeetRelative * size;
  std::vector<Found> out;
  for (const Found& f : found)
    if (out.empty() || Distance(out.back().point, f.point) > same) out.push_back(f);
  if (closed && out.size() > 1 && Distance(out.back().point, out.front().point) <= same) out.pop_back();
  return out;
}

}  // namespace

std::vector<P2> EntityMeetings(vx::Entity a, vx::Entity b, const char* operation) {
  const std::optional<Shape> sa = ShapeOf(a, operation);
  const std::optional<Shape> sb = ShapeOf(b, operation);
  if (!sa || !sb) return {};
  Box2 both = sa->Bounds();
  both.Add(sb->Bounds());
  const double size = std::max(both.Size(), 1e-300);
  std::vector<Found> found;
  Collect(*sa, *sb, size, found);
  std::vector<P2> points;
  for (const Found& f : Ordered(std::move(found), sa->Closed(), size)) points.push_back(f.point);
  return points;
}

}  // namespace vxh

namespace vx {

extern "C" int KVAPI FindAllInts(Entity a, Entity b, double** points) {
  constexpr const char* kOp = "FindAllInts";
  vxh::Required(a, kOp, "first entity");
  vxh::Required(b, kOp, "second entity");
  vxh::Required(points, kOp, "result pointer");
  // Host-owned: valid until the next call.
  static std::vector<double> result;
  result.clear();
  for (const vxh::P2& p : vxh::EntityMeetings(a, b, kOp)) result.insert(result.end(), {p.x, p.y, 0.0});
  *points = result.data();
  return static_cast<int>(result.size() / 3);
}

}  // namespace vx
