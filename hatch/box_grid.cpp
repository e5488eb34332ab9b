#include "hatch/box_grid.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace vx {

namespace {

// A box that would cover more cells than this is visited by every question.
constexpr std::uint64_t kWideCells = 64;
// Cells per box entered, at most.
constexpr double kCellsPerBox = 2;
constexpr double kMaxSide = 1 << 14;

// About one cell per mean box extent along a side, and never more cells than
// boxes: long boxes then cover a few cells each and short ones share them.
std::uint32_t Side(double extent, double mean, std::size_t count) {
  if (!(extent > 0) || !std::isfinite(extent)) return 1;
  const double cell = std::max(mean, extent / static_cast<double>(count));
  const double cells = std::ceil(extent / cell);
  if (!(cells > 1)) return 1;
  return static_cast<std::uint32_t>(std::min(cells, kMaxSide));
}

// The cell along one side, clamped to the grid: rounding of a subtraction
// and a multiplication by a positive number never reverses an order.
std::uint32_t CellOf(double v, double origin, double per_unit, std::uint32_t side) {
  const double at = (v - origin) * per_unit;
  if (!(at > 0)) return 0;
  if (at >= side) return side - 1;
  return static_cast<std::uint32_t>(at);
}

}  // namespace

bool ProperBox(const GridBox& b) {
  return std::isfinite(b.min_x) && std::isfinite(b.min_y) && std::isfinite(b.max_x) && std::isfinite(b.max_y) &&
         b.min_x <= b.max_x && b.min_y <= b.max_y;
}

std::uint32_t BoxGrid::Column(double x) const { return CellOf(x, origin_x_, columns_per_unit_, columns_); }

std::uint32_t BoxGrid::Row(double y) const { return CellOf(y, origin_y_, rows_per_unit_, rows_); }

void BoxGrid::Build(std::vector<GridBox> boxes) {
  boxes_ = std::move(boxes);
  const std::size_t count = boxes_.size();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  GridBox all{kInf, kInf, -kInf, -kInf};
  double width_sum = 0;
  double height_sum = 0;
  for (const GridBox& b : boxes_) {
    all = {std::min(all.min_x, b.min_x), std::min(all.min_y, b.min_y), std::max(all.max_x, b.max_x),
           std::max(all.max_y, b.max_y)};
    width_sum += b.max_x - b.min_x;
    height_sum += b.max_y - b.min_y;
  }
  const double width = all.max_x - all.min_x;
  const double height = all.max_y - all.min_y;
  const double n = static_cast<double>(std::max<std::size_t>(count, 1));
  columns_ = Side(width, width_sum / n, count);
  rows_ = Side(height, height_sum / n, count);
  const double limit = std::max(1.0, kCellsPerBox * n);
  const double cells = static_cast<double>(columns_) * rows_;
  if (cells > limit) {
    const double shrink = std::sqrt(limit / cells);
    columns_ = std::max<std::uint32_t>(1, static_cast<std::uint32_t>(columns_ * shrink));
    rows_ = std::max<std::uint32_t>(1, static_cast<std::uint32_t>(rows_ * shrink));
  }
  origin_x_ = count > 0 ? all.min_x : 0;
  origin_y_ = count > 0 ? all.min_y : 0;
  columns_per_unit_ = width > 0 && std::isfinite(width) ? columns_ / width : 0;
  rows_per_unit_ = height > 0 && std::isfinite(height) ? rows_ / height : 0;
  Fill();
  stamps_.assign(count, 0);
  stamp_ = 0;
  near_.clear();
  near_.reserve(count);
}

// Counts the entries of each cell, turns the counts into starts, then places
// the ids in ascending order.
void BoxGrid::Fill() {
  starts_.assign(CellCount() + 1, 0);
  entries_.clear();
  wide_.clear();
  auto for_each_cell = [this](const GridBox& b, auto&& visit) {
    const std::uint32_t c0 = Column(b.min_x), c1 = Column(b.max_x);
    const std::uint32_t r0 = Row(b.min_y), r1 = Row(b.max_y);
    for (std::uint32_t r = r0; r <= r1; ++r) {
      for (std::uint32_t c = c0; c <= c1; ++c) visit(static_cast<std::size_t>(r) * columns_ + c);
    }
  };
  auto wide = [this](const GridBox& b) {
    const std::uint64_t covered =
        std::uint64_t{Column(b.max_x) - Column(b.min_x) + 1} * (Row(b.max_y) - Row(b.min_y) + 1);
    return covered > kWideCells;
  };
  for (std::uint32_t id = 0; id < boxes_.size(); ++id) {
    if (wide(boxes_[id])) {
      wide_.push_back(id);
      continue;
    }
    for_each_cell(boxes_[id], [this](std::size_t cell) { ++starts_[cell + 1]; });
  }
  for (std::size_t cell = 1; cell < starts_.size(); ++cell) starts_[cell] += starts_[cell - 1];
  entries_.resize(starts_.back());
  for (std::uint32_t id = 0; id < boxes_.size(); ++id) {
    if (wide(boxes_[id])) continue;
    for_each_cell(boxes_[id], [this, id](std::size_t cell) { entries_[starts_[cell]++] = id; });
  }
  // Each start now holds the end of its cell, which is the next cell's start.
  for (std::size_t cell = starts_.size() - 1; cell > 0; --cell) starts_[cell] = starts_[cell - 1];
  starts_[0] = 0;
}

void BoxGrid::NextStamp() {
  if (++stamp_ != 0) return;
  std::fill(stamps_.begin(), stamps_.end(), 0);
  stamp_ = 1;
}

const std::vector<std::uint32_t>& BoxGrid::Near(const GridBox& query) {
  near_.clear();
  AnyNear(query, [this](std::uint32_t id) {
    near_.push_back(id);
    return false;
  });
  std::sort(near_.begin(), near_.end());
  return near_;
}

}  // namespace vx
