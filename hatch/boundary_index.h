// The boundary in hatch space, indexed by x so that a scan line visits only
// the edges and entities whose x-range contains it. Items keep the order of
// the plain walk (list order, then vertex order), so the crossings found are
// the same, in the same order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

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

  std::size_t ItemCount() const { return items_.size(); }

 private:
  struct Item {
    double a[2];  // edge end points; unused for other kinds
    double b[2];
    double min_x;
    double max_x;
    Entity entity;     // other kinds only
    bool within_edge;  // polygon edges
  };
  static int AddEntity(DList* list, Entity entity, std::intptr_t self, std::intptr_t);
  void AddEdge(const double* a, const double* b, bool within_edge);
  void AddOther(Entity entity);
  void Advance(double x);

  std::vector<Item> items_;             // in walk order
  std::vector<std::uint32_t> by_min_;   // item numbers by ascending min_x
  std::vector<std::uint32_t> active_;   // items whose range may hold x, in walk order
  std::vector<std::uint32_t> scratch_;
  std::size_t next_ = 0;                // next entry of by_min_ to activate
};

}  // namespace vx
