#include "headless/geometry/polyline.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vxh {

Polyline::Polyline(std::vector<P2> vertices, bool closed) : points_(std::move(vertices)) {
  if (closed && !points_.empty()) points_.push_back(points_.front());
  start_.resize(points_.size());
  for (std::size_t i = 1; i < points_.size(); ++i) {
    total_ += Distance(points_[i - 1], points_[i]);
    start_[i] = total_;
  }
}

P2 Polyline::PointAt(double t) const {
  if (points_.empty()) return {};
  if (t <= 0 || total_ == 0) return points_.front();
  if (t >= 1) return points_.back();
  const double s = t * total_;
  // The segment whose arc-length range holds s, skipping zero-length ones.
  std::size_t i = static_cast<std::size_t>(std::upper_bound(start_.begin(), start_.end(), s) - start_.begin());
  i = std::clamp<std::size_t>(i, 1, points_.size() - 1);
  const double length = start_[i] - start_[i - 1];
  const double u = length > 0 ? (s - start_[i - 1]) / length : 0;
  return PointAtParam(u, points_[i - 1], points_[i]);
}

double Polyline::ParamOf(const P2& p) const {
  if (total_ == 0) return 0;
  double best_distance = std::numeric_limits<double>::infinity();
  double best_s = 0;
  for (std::size_t i = 1; i < points_.size(); ++i) {
    const double length = start_[i] - start_[i - 1];
    if (length == 0) continue;
    const double u = std::clamp(NearestParamOnLine(p, points_[i - 1], points_[i]), 0.0, 1.0);
    const double d = Distance(p, PointAtParam(u, points_[i - 1], points_[i]));
    if (d < best_distance) {
      best_distance = d;
      // Exact at the segment's ends: its own start, or the next start.
      best_s = u == 0 ? start_[i - 1] : u == 1 ? start_[i] : start_[i - 1] + u * length;
    }
  }
  return best_s / total_;
}

}  // namespace vxh
