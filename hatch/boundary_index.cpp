#include "hatch/boundary_index.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "hatch/crossings.h"

namespace vx {

namespace {

// Pieces with a coordinate that is not finite meet no scan line.
bool Indexed(const BoundaryPiece& p) { return std::isfinite(p.min_x) && std::isfinite(p.max_x); }

}  // namespace

void BoundaryIndex::Build(DList* boundary) {
  ReadBoundaryPieces(boundary, pieces_);
  by_min_.clear();
  by_min_.reserve(pieces_.size());
  for (std::uint32_t i = 0; i < pieces_.size(); ++i) {
    if (Indexed(pieces_[i])) by_min_.push_back(i);
  }
  std::stable_sort(by_min_.begin(), by_min_.end(),
                   [this](std::uint32_t l, std::uint32_t r) { return pieces_[l].min_x < pieces_[r].min_x; });
  active_.reserve(by_min_.size());
  scratch_.reserve(by_min_.size());
  ranges_built_ = false;
  Restart();
}

void BoundaryIndex::Restart() {
  active_.clear();
  next_ = 0;
}

// Drops pieces left behind, then takes in those that start at or before x,
// keeping walk order.
void BoundaryIndex::Advance(double x) {
  std::erase_if(active_, [&](std::uint32_t i) { return pieces_[i].max_x < x; });
  const std::size_t old_count = active_.size();
  for (; next_ < by_min_.size() && pieces_[by_min_[next_]].min_x <= x; ++next_) {
    const std::uint32_t i = by_min_[next_];
    if (pieces_[i].max_x >= x) active_.push_back(i);
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
  for (std::uint32_t i : active_) PieceCrossings(pieces_[i], scan, out);
}

void BoundaryIndex::CollectAll(const ScanLine& scan, CrossingBuffer& out) const {
  for (const BoundaryPiece& p : pieces_) {
    if (Indexed(p)) PieceCrossings(p, scan, out);
  }
}

// A range whose ends came in the wrong order from the host still holds
// every x its piece can be met at.
void BoundaryIndex::BuildRanges() {
  std::vector<GridBox> ranges;
  ranged_.clear();
  for (std::uint32_t i = 0; i < pieces_.size(); ++i) {
    const BoundaryPiece& p = pieces_[i];
    if (!Indexed(p)) continue;
    ranges.push_back({std::min(p.min_x, p.max_x), 0, std::max(p.min_x, p.max_x), 0});
    ranged_.push_back(i);
  }
  ranges_.Build(std::move(ranges));
  ranges_built_ = true;
}

void BoundaryIndex::CollectAt(const ScanLine& scan, CrossingBuffer& out) {
  if (!std::isfinite(scan.x)) return CollectAll(scan, out);
  if (!ranges_built_) BuildRanges();
  for (std::uint32_t id : ranges_.Near({scan.x, 0, scan.x, 0})) PieceCrossings(pieces_[ranged_[id]], scan, out);
}

}  // namespace vx
