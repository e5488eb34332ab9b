// ESplit: an entity cut in two at a parameter, first = start..t and
// second = t..end. How the pieces are stored is written down in
// docs/geometry.md: the first piece is always the entity's own record
// (rewritten, or resized through its list when its size changes, which
// invalidates the old pointer), the second a new record placed right after
// it in the same list. Closed entities are opened at t into one open piece
// that is both first and second.
#include <cmath>
#include <cstring>
#include <optional>

#include "headless/drawing/entity_list.h"
#include "headless/drawing/loose_record.h"
#include "headless/geometry/checked_pointer.h"
#include "headless/geometry/entity_access.h"
#include "headless/geometry/piece_records.h"
#include "headless/geometry/shape_of.h"
#include "headless/tolerances.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vxh {

namespace {

constexpr const char* kOp = "ESplit";

struct Parts {
  std::vector<Piece> before, after;
};

Parts Cut(const Shape& shape, double t) {
  const PieceParam at = shape.Local(t);
  const auto& pieces = shape.Pieces();
  Parts parts;
  parts.before.assign(pieces.begin(), pieces.begin() + static_cast<long>(at.index));
  if (at.s > 0) parts.before.push_back(pieces[at.index].Sub(0, at.s));
  if (at.s < 1) parts.after.push_back(pieces[at.index].Sub(at.s, 1));
  parts.after.insert(parts.after.end(), pieces.begin() + static_cast<long>(at.index) + 1, pieces.end());
  return parts;
}

// One arc from arcs of one ellipse joined end to end.
Piece JoinedArc(const std::vector<Piece>& arcs) {
  Piece joined = arcs.front();
  joined.sweep = 0;
  for (const Piece& arc : arcs) joined.sweep += arc.sweep;
  return joined;
}

RecordBytes PieceRecord(vx::Entity e, int kind, const std::vector<Piece>& pieces) {
  switch (kind) {
    case vx::kKindLine: return LineRecord(e, pieces.front().Start(), pieces.back().End());
    case vx::kKindPath:
    case vx::kKindPolygon: return PathRecord(e, ChainVertices(pieces));
    case vx::kKindCircle:
    case vx::kKindArc: return ArcRecord(e, JoinedArc(pieces));
    case vx::kKindEllipse:
    case vx::kKindEllipticalArc: return EllipticalArcRecord(e, JoinedArc(pieces));
    case vx::kKindBezier: return BezierRecord(e, BezierPoints(pieces));
    default: {  // curve paths and closed curves
      // Only straight paths and Bézier segments can hold any part of a curve
      // exactly (a part of a TrueType spline breaks its implied points).
      if (vx::GetU8(e, vx::kCurveType) == vx::kCurveLines)
        return CurveRecord(e, vx::kCurveLines, ChainVertices(pieces));
      return CurveRecord(e, vx::kCurveBezier, BezierPoints(pieces));
    }
  }
}

bool IsSplittable(int kind) {
  switch (kind) {
    case vx::kKindLine:
    case vx::kKindPath:
    case vx::kKindPolygon:
    case vx::kKindCircle:
    case vx::kKindArc:
    case vx::kKindEllipse:
    case vx::kKindEllipticalArc:
    case vx::kKindCurvePath:
    case vx::kKindClosedCurve:
    case vx::kKindBezier: return true;
    default: return false;
  }
}

// The entity's record holds the bytes from now on; the returned pointer is
// the record (a new one when the size changed).
vx::Entity Rewrite(vx::Entity e, const RecordBytes& bytes) {
  EntityNode* node = NodeOf(e, kOp);
  const auto size = static_cast<std::uint32_t>(bytes.size());
  vx::Entity target = e;
  if (node->owner != nullptr) {
    target = node->size == size ? node->owner->OpenForChange(e) : node->owner->Resize(e, size);
  } else if (node->size != size) {
    target = NewLooseRecord(size);
    DeleteLooseRecord(e);
  }
  std::memcpy(target, bytes.data(), size);
  return target;
}

// A new record beside `first`: after it in its list, or loose.
vx::Entity Beside(vx::Entity first, const RecordBytes& bytes) {
  EntityNode* node = NodeOf(first, kOp);
  if (node->owner == nullptr) {
    vx::Entity loose = NewLooseRecord(static_cast<std::uint32_t>(bytes.size()));
    std::memcpy(loose, bytes.data(), bytes.size());
    return loose;
  }
  ListImpl& list = *node->owner;
  vx::Entity second = list.AddRecord(bytes.data());
  list.PlaceAfter(second, first);
  list.SetSelected(second, node->state.selected);
  return second;
}

int Split(vx::Entity e, double t, vx::Entity* first, vx::Entity* second) {
  *first = *second = nullptr;
  const int kind = KindOf(e, kOp);
  if (!IsSplittable(kind) || std::isnan(t)) return 0;
  const std::optional<Shape> shape = MeasurableShapeOf(e, kOp);
  if (!shape) return 0;
  if (std::fabs(t) <= tol::kParamSnap) t = 0;
  if (std::fabs(t - 1) <= tol::kParamSnap) t = 1;
  if (shape->Closed()) {
    t = t - std::floor(t);  // a closed entity's parameter goes round
    Parts parts = Cut(*shape, t);
    parts.after.insert(parts.after.end(), parts.before.begin(), parts.before.end());
    *first = *second = Rewrite(e, PieceRecord(e, kind, parts.after));
    return 1;
  }
  if (t <= 0) return *second = e, 1;
  if (t >= 1) return *first = e, 1;
  const Parts parts = Cut(*shape, t);
  const RecordBytes tail = PieceRecord(e, kind, parts.after);
  *first = Rewrite(e, PieceRecord(e, kind, parts.before));
  *second = Beside(*first, tail);
  return 1;
}

}  // namespace

}  // namespace vxh

namespace vx {

extern "C" int KVAPI ESplit(Entity entity, double t, Entity* first, Entity* second) {
  vxh::Required(entity, "ESplit", "entity");
  vxh::Required(first, "ESplit", "first piece pointer");
  vxh::Required(second, "ESplit", "second piece pointer");
  return vxh::Split(entity, t, first, second);
}

}  // namespace vx
