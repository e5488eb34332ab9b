#include "hatch/crossing_buffer.h"

#include <algorithm>

#include "hatch/fill_limits.h"

namespace vx {

CrossingBuffer::CrossingBuffer() {
  edges_.reserve(fill::kInitialCrossings);
  vertices_.reserve(fill::kInitialCrossings);
  resolved_.reserve(fill::kInitialCrossings);
}

void CrossingBuffer::Clear() {
  edges_.clear();
  vertices_.clear();
}

void CrossingBuffer::AddCrossing(double t) { edges_.push_back(t); }

void CrossingBuffer::AddVertex(double t, bool other_left) { vertices_.push_back({t, other_left}); }

const std::vector<double>& CrossingBuffer::Resolve() {
  resolved_.clear();
  // Ascending order, then exact duplicates out: two edges meeting the scan
  // line at the very same parameter are one crossing. Exact on purpose.
  std::sort(edges_.begin(), edges_.end());
  for (double t : edges_) {
    if (resolved_.empty() || resolved_.back() != t) resolved_.push_back(t);
  }
  const std::size_t edge_count = resolved_.size();
  std::sort(vertices_.begin(), vertices_.end(), [](const VertexHit& a, const VertexHit& b) { return a.t < b.t; });
  for (std::size_t i = 0; i < vertices_.size();) {
    std::size_t from_left = 0;
    std::size_t j = i;
    // The same vertex gives the same parameter bit for bit. Exact on purpose.
    for (; j < vertices_.size() && vertices_[j].t == vertices_[i].t; ++j) from_left += vertices_[j].other_left ? 1 : 0;
    if (from_left % 2 == 1) resolved_.push_back(vertices_[i].t);
    i = j;
  }
  // Vertex crossings are rare; sorting in place keeps the scan line free of
  // allocations (a merge would take a temporary buffer).
  if (resolved_.size() > edge_count) std::sort(resolved_.begin(), resolved_.end());
  return resolved_;
}

}  // namespace vx
