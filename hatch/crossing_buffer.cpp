#include "hatch/crossing_buffer.h"

#include <algorithm>

#include "hatch/fill_limits.h"

namespace vx {

CrossingBuffer::CrossingBuffer() {
  crossings_.reserve(fill::kInitialCrossings);
  vertices_.reserve(fill::kInitialCrossings);
  resolved_.reserve(fill::kInitialCrossings);
}

void CrossingBuffer::Clear() {
  crossings_.clear();
  vertices_.clear();
}

void CrossingBuffer::AddCrossing(double y) { crossings_.push_back(y); }

void CrossingBuffer::AddVertex(double y, std::uint32_t junction) { vertices_.push_back({y, junction}); }

const std::vector<double>& CrossingBuffer::Resolve() {
  resolved_.assign(crossings_.begin(), crossings_.end());
  std::sort(vertices_.begin(), vertices_.end(),
            [](const VertexHit& a, const VertexHit& b) { return a.junction < b.junction; });
  for (std::size_t i = 0; i < vertices_.size();) {
    std::size_t j = i;
    while (j < vertices_.size() && vertices_[j].junction == vertices_[i].junction) ++j;
    if ((j - i) % 2 == 1) resolved_.push_back(vertices_[i].y);
    i = j;
  }
  std::sort(resolved_.begin(), resolved_.end());
  return resolved_;
}

}  // namespace vx
