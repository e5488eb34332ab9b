// FindAllInts: every point where two entities meet, in order along the first.
#include <algorithm>
#include <cmath>
#include <vector>

#include "headless/geometry/checked_pointer.h"
#include "headless/geometry/entity_access.h"
#include "headless/geometry/entity_meetings.h"
#include "headless/geometry/piece_intersect.h"
#include "headless/geometry/shape_of.h"
#include "headless/tolerances.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

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
void SortBoxes(const Shape& shape, std::vector<IndexedBox>& boxes) {
  boxes.clear();
  for (std::size_t i = 0; i < shape.Pieces().size(); ++i) boxes.push_back({shape.Pieces()[i].Bounds(), i});
  std::sort(boxes.begin(), boxes.end(), [](const IndexedBox& l, const IndexedBox& r) { return l.box.x0 < r.box.x0; });
}

// The fill engine asks for every scan line's meetings with every curved
// boundary entity; the working buffers are kept between calls so that a call
// allocates nothing once they have grown.
struct Scratch {
  std::vector<IndexedBox> boxes;
  std::vector<Meeting> meetings;
  std::vector<Found> found;
};

Scratch& TheScratch() {
  static Scratch scratch;
  return scratch;
}

void Collect(const Shape& a, const Shape& b, double size, std::vector<Found>& found) {
  const double margin = tol::kMeetRelative * size;
  std::vector<IndexedBox>& boxes = TheScratch().boxes;
  SortBoxes(b, boxes);
  std::vector<Meeting>& meetings = TheScratch().meetings;
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
void Order(std::vector<Found>& found, bool closed, double size) {
  if (closed)
    for (Found& f : found)
      if (f.t == 1) f.t = 0;
  const auto along = [](const Found& l, const Found& r) { return l.t < r.t; };
  // Most meetings are one or two points: an insertion sort (stable, like
  // stable_sort) needs no scratch buffer from the heap for them.
  constexpr std::size_t kFewPoints = 16;
  if (found.size() <= kFewPoints) {
    for (std::size_t i = 1; i < found.size(); ++i)
      for (std::size_t j = i; j > 0 && along(found[j], found[j - 1]); --j) std::swap(found[j], found[j - 1]);
  } else {
    std::stable_sort(found.begin(), found.end(), along);
  }
  const double same = tol::kMeetRelative * size;
  std::size_t kept = 0;
  for (const Found& f : found)
    if (kept == 0 || Distance(found[kept - 1].point, f.point) > same) found[kept++] = f;
  found.resize(kept);
  if (closed && found.size() > 1 && Distance(found.back().point, found.front().point) <= same) found.pop_back();
}

// The fill engine meets every scan line with every circle and arc of a
// boundary. The same meeting as the general way below, one piece against
// one piece, without building the two shapes.
bool LineWithCircle(vx::Entity a, vx::Entity b, const char* operation, std::vector<double>& xyz) {
  if (KindOf(a, operation) != vx::kKindLine) return false;
  const int kind = KindOf(b, operation);
  if (kind != vx::kKindCircle && kind != vx::kKindArc) return false;
  RequireBytes(a, vx::kLineSize, operation);
  const bool arc = kind == vx::kKindArc;
  RequireBytes(b, arc ? vx::kArcSize : vx::kCircleSize, operation);
  const Piece line = Piece::Line(ReadPoint(a, vx::kLineX1), ReadPoint(a, vx::kLineX2));
  const P2 centre = ReadPoint(b, vx::kCircleX);
  const double radius = vx::GetF64(b, vx::kCircleR);
  const Piece circle =
      arc ? Piece::CircleArc(centre, radius, vx::GetF64(b, vx::kArcStart), vx::GetF64(b, vx::kArcSweep))
          : Piece::CircleArc(centre, radius, 0, kTwoPi);
  Box2 both = line.Bounds();
  both.Add(circle.Bounds());
  const double size = std::max(both.Size(), tol::kTiny);
  std::vector<Meeting>& meetings = TheScratch().meetings;
  meetings.clear();
  IntersectPieces(line, circle, size, meetings);
  std::vector<Found>& found = TheScratch().found;
  found.clear();
  for (const Meeting& m : meetings) found.push_back({m.sa, m.point});  // one piece: its parameter is the line's
  Order(found, false, size);
  for (const Found& f : found) xyz.insert(xyz.end(), {f.point.x, f.point.y, 0.0});
  return true;
}

}  // namespace

void EntityMeetings(vx::Entity a, vx::Entity b, const char* operation, std::vector<double>& xyz) {
  xyz.clear();
  if (LineWithCircle(a, b, operation, xyz)) return;
  const std::optional<Shape> sa = ShapeOf(a, operation);
  const std::optional<Shape> sb = ShapeOf(b, operation);
  if (!sa || !sb) return;
  Box2 both = sa->Bounds();
  both.Add(sb->Bounds());
  const double size = std::max(both.Size(), tol::kTiny);
  std::vector<Found>& found = TheScratch().found;
  found.clear();
  Collect(*sa, *sb, size, found);
  Order(found, sa->Closed(), size);
  for (const Found& f : found) xyz.insert(xyz.end(), {f.point.x, f.point.y, 0.0});
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
  vxh::EntityMeetings(a, b, kOp, result);
  *points = result.data();
  return static_cast<int>(result.size() / 3);
}

}  // namespace vx
