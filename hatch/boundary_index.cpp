#include "hatch/boundary_index.h"

#include <algorithm>
#include <cmath>

#include "hatch/crossings.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vx {

namespace {

std::uint16_t VertexCount(Entity e) {
  const std::uint16_t count = GetU16(e, kPolyCount);
  const std::uint32_t size = GetU32(e, kHdrSize);
  const std::uint32_t room = size > kPolyVertices ? (size - kPolyVertices) / kVertexBytes : 0;
  return count <= room ? count : static_cast<std::uint16_t>(room);
}

void Vertex(Entity e, std::size_t offset, double* out) {
  out[0] = GetF64(e, offset);
  out[1] = GetF64(e, offset + 8);
}

std::size_t VertexOffset(std::uint32_t i) { return kPolyVertices + kVertexBytes * i; }

// How many items an entity gives, so that the items are allocated once.
int CountItems(DList*, Entity e, std::intptr_t total, std::intptr_t) {
  const int kind = GetI8(e, kHdrKind);
  *reinterpret_cast<std::size_t*>(total) += kind == kKindPath || kind == kKindPolygon ? VertexCount(e) : 1;
  return 0;
}

}  // namespace

void BoundaryIndex::Build(DList* boundary) {
  std::size_t count = 0;
  boundary->Walk(&CountItems, kWalkAll, reinterpret_cast<std::intptr_t>(&count), 0);
  items_.clear();
  items_.reserve(count);
  boundary->Walk(&BoundaryIndex::AddEntity, kWalkAll, reinterpret_cast<std::intptr_t>(this), 0);
  by_min_.clear();
  by_min_.reserve(items_.size());
  for (std::uint32_t i = 0; i < items_.size(); ++i) {
    // Items with a coordinate that is not finite meet no scan line.
    if (std::isfinite(items_[i].min_x) && std::isfinite(items_[i].max_x)) by_min_.push_back(i);
  }
  std::stable_sort(by_min_.begin(), by_min_.end(),
                   [this](std::uint32_t l, std::uint32_t r) { return items_[l].min_x < items_[r].min_x; });
  active_.reserve(by_min_.size());
  scratch_.reserve(by_min_.size());
  Restart();
}

int BoundaryIndex::AddEntity(DList*, Entity e, std::intptr_t self, std::intptr_t) {
  auto& index = *reinterpret_cast<BoundaryIndex*>(self);
  double a[2], b[2];
  switch (GetI8(e, kHdrKind)) {
    case kKindLine:
      Vertex(e, kLineX1, a);
      Vertex(e, kLineX2, b);
      index.AddEdge(a, b, false);
      break;
    case kKindPath:
      for (std::uint32_t i = 0, n = VertexCount(e); i + 1 < n; ++i) {
        Vertex(e, VertexOffset(i), a);
        Vertex(e, VertexOffset(i + 1), b);
        index.AddEdge(a, b, false);
      }
      break;
    case kKindPolygon:
      for (std::uint32_t i = 0, n = VertexCount(e); i < n; ++i) {
        Vertex(e, VertexOffset(i), a);
        Vertex(e, VertexOffset(i == 0 ? n - 1 : i - 1), b);
        index.AddEdge(a, b, true);
      }
      break;
    default:
      index.AddOther(e);
      break;
  }
  return 0;
}

void BoundaryIndex::AddEdge(const double* a, const double* b, bool within_edge) {
  Item item{{a[0], a[1]}, {b[0], b[1]}, std::min(a[0], b[0]), std::max(a[0], b[0]), nullptr, within_edge};
  // min/max pass a NaN on silently; such an edge must not be indexed.
  if (std::isnan(a[0]) || std::isnan(b[0]) || !std::isfinite(a[1]) || !std::isfinite(b[1])) {
    item.min_x = item.max_x = NAN;
  }
  items_.push_back(item);
}

void BoundaryIndex::AddOther(Entity e) {
  std::uint8_t box[kBoxBytes] = {};
  EXCheck(e, box);
  const bool valid = GetU32(box, kBoxValid) != 0;
  items_.push_back(Item{{0, 0}, {0, 0}, valid ? GetF64(box, kBoxMinX) : NAN, valid ? GetF64(box, kBoxMaxX) : NAN, e,
                        false});
}

void BoundaryIndex::Restart() {
  active_.clear();
  next_ = 0;
}

// Drops items left behind, then takes in those that start at or before x,
// keeping walk order.
void BoundaryIndex::Advance(double x) {
  std::erase_if(active_, [&](std::uint32_t i) { return items_[i].max_x < x; });
  const std::size_t old_count = active_.size();
  for (; next_ < by_min_.size() && items_[by_min_[next_]].min_x <= x; ++next_) {
    const std::uint32_t i = by_min_[next_];
    if (items_[i].max_x >= x) active_.push_back(i);
  }
  if (active_.size() == old_count) return;
  std::sort(active_.begin() + static_cast<std::ptrdiff_t>(old_count), active_.end());
  scratch_.resize(active_.size());
  std::merge(active_.begin(), active_.begin() + static_cast<std::ptrdiff_t>(old_count),
             active_.begin() + static_cast<std::ptrdiff_t>(old_count), active_.end(), scratch_.begin());
  active_.swap(scratch_);
}

void BoundaryIndex::Collect(const ScanLine& scan, CrossingBuffer& out) {
  Advance(scan.x);
  for (std::uint32_t i : active_) {
    const Item& item = items_[i];
    if (item.entity != nullptr) {
      OtherCrossings(item.entity, item.min_x, item.max_x, scan, out);
    } else {
      EdgeCrossings(item.a, item.b, scan, item.within_edge, out);
    }
  }
}

}  // namespace vx
