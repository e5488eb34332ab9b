// The areas of a smart hatch: every gap between neighbouring crossings of a
// scan line is a candidate segment, linked to the segments of the scan line
// before it when a connector between them is free of the boundary, so that
// segments that can be reached from each other without crossing the
// boundary end up in one area.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "hatch/connector_index.h"

namespace vx {

struct SmartSegment {
  double x;
  double y1;  // lower end
  double y2;  // upper end
  std::uint16_t style;
  int area;  // as created; SmartAreas::AreaOf gives the area after merges
};

class SmartAreas {
 public:
  static constexpr std::size_t kMaxIntervals = 512;

  explicit SmartAreas(ConnectorIndex& boundary) : boundary_(&boundary) {}

  // Starts a scan line: the current table is emptied.
  void BeginScanLine();
  // Places the segment of the current scan line from y1 to y2 at x.
  void Place(double x, double y1, double y2, std::uint16_t style);
  // Joins every previous segment that nothing was attached to with the first
  // current one it connects to.
  void LinkLeftovers();
  // When no area is found yet: the area of the first previous segment within
  // half_width of the point across and holding it along, with nothing of the
  // boundary between the two.
  void TestPoint(const double* point, double half_width);
  // The current table becomes the previous one.
  void EndScanLine();

  void ForgetFound() { found_ = -1; }
  bool Found() const { return found_ >= 0; }
  // The segments of the found area, in the order they were made.
  void FoundSegments(std::vector<SmartSegment>& out);
  std::size_t SegmentCount() const { return segments_.size(); }

 private:
  struct Interval {
    int segment;
    bool continued;
  };
  struct Table {
    std::array<Interval, kMaxIntervals> entries;
    std::size_t count = 0;
  };

  int AreaOf(int segment);
  int Root(int area);
  int NewArea();
  void Merge(int a, int b);
  int CreateSegment(double x, double y1, double y2, std::uint16_t style, int area);
  bool Overlap(const SmartSegment& p, const SmartSegment& i) const;
  bool Connects(const SmartSegment& a, const SmartSegment& b) const;

  ConnectorIndex* boundary_;
  std::vector<SmartSegment> segments_;
  std::vector<int> parent_;  // per area: the area it was merged into, or itself
  Table tables_[2];
  Table* previous_ = &tables_[0];
  Table* current_ = &tables_[1];
  int found_ = -1;
};

}  // namespace vx
