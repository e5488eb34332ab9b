// The boundary in hatch space, indexed by x so that a scan line visits only
// the pieces whose x-range contains it. Active pieces keep the order of the
// plain walk (list order, then along each entity), so the crossings found
// are the same, in the same order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "hatch/boundary_pieces.h"
#include "hatch/box_grid.h"
#include "hatch/crossing_buffer.h"
#include "hatch/scan_line.h"
#include "host/kv_types.h"

namespace vx {

class BoundaryIndex {
 public:
  // Reads the boundary list; call again whenever the boundary is rotated.
  void Build(DList* boundary);
  // Starts a new left-to-right sweep (one per family).
  void Restart();
  // Adds the crossings with a scan line; scan lines of one sweep must come in
  // ascending x.
  void Collect(const ScanLine& scan, CrossingBuffer& out);
  // The same without the index: every piece is asked, in walk order.
  void CollectAll(const ScanLine& scan, CrossingBuffer& out) const;
  // The same for a scan line anywhere, outside any sweep: only the pieces
  // whose x-range holds it are asked, in walk order, so the crossings are
  // those of CollectAll in the same order.
  void CollectAt(const ScanLine& scan, CrossingBuffer& out);

  std::size_t PieceCount() const { return pieces_.size(); }

 private:
  void Advance(double x);
  void BuildRanges();

  std::vector<BoundaryPiece> pieces_;  // in walk order
  std::vector<std::uint32_t> by_min_;  // finite pieces by ascending min_x
  std::vector<std::uint32_t> active_;  // pieces whose range may hold x, in walk order
  std::vector<std::uint32_t> scratch_;
  std::size_t next_ = 0;  // next entry of by_min_ to activate
  // For CollectAt, made on its first use after Build: the finite pieces'
  // x-ranges, and for each of them the piece it stands for (ascending).
  BoxGrid ranges_;
  std::vector<std::uint32_t> ranged_;
  bool ranges_built_ = false;
};

}  // namespace vx
