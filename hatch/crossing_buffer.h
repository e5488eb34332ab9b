// The crossings of one scan line with the boundary, as y coordinates along
// the scan line in hatch space. Storage is reserved once per fill and reused
// by every scan line; it only grows when a scan line has more crossings than
// ever before, and no crossing is dropped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vx {

class CrossingBuffer {
 public:
  CrossingBuffer();

  void Clear();
  // A boundary piece crossing the scan line between its ends.
  void AddCrossing(double y);
  // A boundary piece crossing the scan line at one of its ends, the junction
  // `junction` (an end shared by the pieces that meet there).
  void AddVertex(double y, std::uint32_t junction);

  // The crossings in ascending order. Crossings between the ends of pieces
  // all count, also when several are equal: they belong to different pieces
  // that meet the scan line at one place. At each junction one crossing is
  // kept when an odd number of its pieces cross there, none otherwise, so a
  // junction the boundary passes through counts once and one it only
  // touches not at all.
  const std::vector<double>& Resolve();

 private:
  struct VertexHit {
    double y;
    std::uint32_t junction;
  };
  std::vector<double> crossings_;
  std::vector<VertexHit> vertices_;
  std::vector<double> resolved_;
};

}  // namespace vx
