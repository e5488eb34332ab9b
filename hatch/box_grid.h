// A uniform grid over boxes, so that a question about one place visits only
// the boxes near it. Each box is entered in every cell it covers; a box that
// would cover many cells is kept in a short list of wide boxes that every
// question visits instead, so the grid's memory stays a small multiple of
// the number of boxes.
//
// The cell of a coordinate is a non-decreasing function of it, also after
// rounding, so a box and a question that share a point share a cell: no box
// that meets the question is ever left out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vx {

struct GridBox {
  double min_x, min_y, max_x, max_y;
};

inline bool BoxesMeet(const GridBox& a, const GridBox& b) {
  return a.min_x <= b.max_x && b.min_x <= a.max_x && a.min_y <= b.max_y && b.min_y <= a.max_y;
}

// Every coordinate finite and each minimum at most its maximum.
bool ProperBox(const GridBox& box);

class BoxGrid {
 public:
  // Enters boxes[i] as id i. Every box must be proper.
  void Build(std::vector<GridBox> boxes);
  // The ids of the boxes that meet `query` (a proper box), each once and in
  // ascending order. Valid until the next call.
  const std::vector<std::uint32_t>& Near(const GridBox& query);
  // Calls `visit` with the id of each box that meets `query` (a proper box),
  // each once and in no particular order, until it returns true; returns
  // whether it did.
  template <typename Visit>
  bool AnyNear(const GridBox& query, Visit&& visit);

  std::size_t CellCount() const { return static_cast<std::size_t>(columns_) * rows_; }
  std::size_t WideCount() const { return wide_.size(); }

 private:
  std::uint32_t Column(double x) const;
  std::uint32_t Row(double y) const;
  void Fill();
  void NextStamp();
  // Whether the box `id` meets the query and was not taken before by it.
  bool Fresh(std::uint32_t id, const GridBox& query) {
    if (stamps_[id] == stamp_) return false;
    stamps_[id] = stamp_;
    return BoxesMeet(boxes_[id], query);
  }

  double origin_x_ = 0;
  double origin_y_ = 0;
  double columns_per_unit_ = 0;
  double rows_per_unit_ = 0;
  std::uint32_t columns_ = 1;
  std::uint32_t rows_ = 1;
  std::vector<GridBox> boxes_;
  std::vector<std::uint32_t> starts_;   // per cell, row by row: its first entry; then the end
  std::vector<std::uint32_t> entries_;  // ids, ascending within each cell
  std::vector<std::uint32_t> wide_;     // ascending
  std::vector<std::uint32_t> stamps_;   // per id: the question that last took it
  std::uint32_t stamp_ = 0;
  std::vector<std::uint32_t> near_;
};

template <typename Visit>
bool BoxGrid::AnyNear(const GridBox& query, Visit&& visit) {
  NextStamp();
  const std::uint32_t c0 = Column(query.min_x), c1 = Column(query.max_x);
  const std::uint32_t r0 = Row(query.min_y), r1 = Row(query.max_y);
  for (std::uint32_t r = r0; r <= r1; ++r) {
    const std::size_t row = static_cast<std::size_t>(r) * columns_;
    for (std::size_t k = starts_[row + c0]; k < starts_[row + c1 + 1]; ++k) {
      if (Fresh(entries_[k], query) && visit(entries_[k])) return true;
    }
  }
  for (std::uint32_t id : wide_) {
    if (Fresh(id, query) && visit(id)) return true;
  }
  return false;
}

}  // namespace vx
