#include "hatch/connector_index.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vx {

namespace {

// The host meets curved entities within a tolerance relative to the size of
// the two entities (a billionth in the headless host); their boxes are
// widened by a thousand times that, and by as much of their position.
constexpr double kHostReachRelative = 1e-6;

bool CurvedKind(int kind) {
  return kind == kKindEllipse || kind == kKindEllipticalArc || kind == kKindCurvePath || kind == kKindClosedCurve ||
         kind == kKindBezier;
}

GridBox Widened(const GridBox& b) {
  const double size = (b.max_x - b.min_x) + (b.max_y - b.min_y) +
                      std::max({std::fabs(b.min_x), std::fabs(b.min_y), std::fabs(b.max_x), std::fabs(b.max_y)});
  const double margin = kHostReachRelative * size;
  return {b.min_x - margin, b.min_y - margin, b.max_x + margin, b.max_y + margin};
}

// Where the host can meet an entity that is not straight: an arc's points
// lie on its circle, and a curved entity lies within its extents. Texts,
// points, dimensions and the rest have no box that the host's meetings are
// known to keep to; false for them.
bool OtherBox(Entity e, GridBox& out) {
  const int kind = GetI8(e, kHdrKind);
  if (kind == kKindCircle || kind == kKindArc) {
    if (GetU32(e, kHdrSize) < (kind == kKindArc ? kArcSize : kCircleSize)) return false;
    const double x = GetF64(e, kCircleX), y = GetF64(e, kCircleY), r = std::fabs(GetF64(e, kCircleR));
    out = Widened({x - r, y - r, x + r, y + r});
    return ProperBox(out);
  }
  if (!CurvedKind(kind)) return false;
  std::uint8_t box[kBoxBytes] = {};
  EXCheck(e, box);
  if (GetU32(box, kBoxValid) == 0) return false;
  out = Widened({GetF64(box, kBoxMinX), GetF64(box, kBoxMinY), GetF64(box, kBoxMaxX), GetF64(box, kBoxMaxY)});
  return ProperBox(out);
}

}  // namespace

void ConnectorIndex::Take(Item item, const GridBox& box, bool boxed, std::vector<GridBox>& boxes) {
  if (!boxed) {
    everywhere_.push_back(item);
    return;
  }
  gridded_.push_back(item);
  boxes.push_back(box);
}

int ConnectorIndex::TakeEntity(DList*, Entity e, std::intptr_t index, std::intptr_t boxes_address) {
  ConnectorIndex& self = *reinterpret_cast<ConnectorIndex*>(index);
  std::vector<GridBox>& boxes = *reinterpret_cast<std::vector<GridBox>*>(boxes_address);
  if (IsStraightKind(GetI8(e, kHdrKind))) {
    const std::size_t first = self.edges_.size();
    AppendStraightEdges(e, self.edges_);
    for (std::size_t i = first; i < self.edges_.size(); ++i) {
      const GridBox box = EdgeBox(self.edges_[i]);
      self.Take({static_cast<std::uint32_t>(i), false}, box, ProperBox(box), boxes);
    }
    return 0;
  }
  self.others_.push_back(e);
  GridBox box{};
  const bool boxed = OtherBox(e, box);
  self.Take({static_cast<std::uint32_t>(self.others_.size() - 1), true}, box, boxed, boxes);
  return 0;
}

void ConnectorIndex::Build(DList* boundary) {
  Clear();
  std::vector<GridBox> boxes;
  boundary->Walk(&TakeEntity, kWalkAll, reinterpret_cast<std::intptr_t>(this), reinterpret_cast<std::intptr_t>(&boxes));
  grid_.Build(std::move(boxes));
}

void ConnectorIndex::Clear() { *this = ConnectorIndex{}; }

bool ConnectorIndex::Crosses(const Item& item, const AreaConnector& c, const GridBox& reach) const {
  if (item.other) return OtherCrosses(others_[item.index], c);
  return EdgeCrosses(c, reach, edges_[item.index]);
}

// Edges whose box misses the connector's reach are the very ones the edge
// test turns away first, so asking only the grid's near ones changes
// nothing; a reach that is not a proper box asks everything.
bool ConnectorIndex::Blocked(const AreaConnector& c) {
  const GridBox reach = ConnectorReach(c);
  for (const Item& item : everywhere_) {
    if (Crosses(item, c, reach)) return true;
  }
  if (!ProperBox(reach)) {
    return std::any_of(gridded_.begin(), gridded_.end(), [&](const Item& item) { return Crosses(item, c, reach); });
  }
  return grid_.AnyNear(reach, [&](std::uint32_t id) { return Crosses(gridded_[id], c, reach); });
}

}  // namespace vx
