// A chain of straight segments parameterised by arc length: 0 at the first
// vertex, 1 at the last. A polygon's chain ends with its closing edge back to
// the first vertex.
#pragma once

#include <vector>

#include "headless/geometry/plane.h"

namespace vxh {

class Polyline {
 public:
  Polyline(std::vector<P2> vertices, bool closed);

  double Length() const { return total_; }
  bool Empty() const { return points_.empty(); }
  // Exactly the first vertex at 0 and the chain's last point at 1.
  P2 PointAt(double t) const;
  // Parameter of the nearest point of the chain; the earlier segment wins a tie.
  double ParamOf(const P2& p) const;

 private:
  std::vector<P2> points_;
  std::vector<double> start_;  // arc length at each point
  double total_ = 0;
};

}  // namespace vxh
