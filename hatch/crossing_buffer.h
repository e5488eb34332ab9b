// The crossings of one scan line with the boundary, as parameters along the
// scan line (0 at its bottom, 1 at its top). Storage is reserved once per fill
// and reused by every scan line; it only grows when a scan line has more
// crossings than ever before, and no crossing is dropped.
#pragma once

#include <cstddef>
#include <vector>

namespace vx {

class CrossingBuffer {
 public:
  CrossingBuffer();

  void Clear();
  // An edge crossing the scan line between its end points.
  void AddCrossing(double t);
  // An edge with one end point exactly on the scan line; `other_left` tells
  // on which side its other end lies.
  void AddVertex(double t, bool other_left);

  // The crossings in ascending order: equal edge crossings merged into one,
  // and at each vertex on the scan line one crossing when an odd number of
  // the edges meeting there come from the left, else none. So a vertex the
  // boundary passes through counts once and one it only touches not at all,
  // whichever way the boundary runs and whether its edges belong to one
  // entity or several.
  const std::vector<double>& Resolve();

  std::size_t RawCount() const { return edges_.size() + vertices_.size(); }

 private:
  struct VertexHit {
    double t;
    bool other_left;
  };
  std::vector<double> edges_;
  std::vector<VertexHit> vertices_;
  std::vector<double> resolved_;
};

}  // namespace vx
