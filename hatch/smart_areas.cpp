#include "hatch/smart_areas.h"

#include <cmath>
#include <utility>

namespace vx {

namespace {

// Segments closer than this along the scan line do not overlap.
constexpr double kOverlapMargin = 0.000001;
// Where along each of two segments the connector between them is tried.
constexpr double kConnectorAt[3] = {0.5, 0.1, 0.9};

}  // namespace

int SmartAreas::Root(int area) {
  while (parent_[area] != area) {
    parent_[area] = parent_[parent_[area]];
    area = parent_[area];
  }
  return area;
}

int SmartAreas::AreaOf(int segment) { return Root(segments_[segment].area); }

int SmartAreas::NewArea() {
  parent_.push_back(static_cast<int>(parent_.size()));
  return parent_.back();
}

// Merging relabels every segment of a, including those in both tables and
// the found area, because they all reach b through a's root.
void SmartAreas::Merge(int a, int b) {
  a = Root(a);
  b = Root(b);
  if (a != b) parent_[a] = b;
}

int SmartAreas::CreateSegment(double x, double y1, double y2, std::uint16_t style, int area) {
  segments_.push_back({x, y1, y2, style, area});
  const int segment = static_cast<int>(segments_.size() - 1);
  if (current_->count < kMaxIntervals) current_->entries[current_->count++] = {segment, false};
  return segment;
}

void SmartAreas::BeginScanLine() { current_->count = 0; }

bool SmartAreas::Overlap(const SmartSegment& p, const SmartSegment& i) const {
  const double p1 = p.y1, p2 = p.y2, i1 = i.y1, i2 = i.y2;
  if (i2 - kOverlapMargin <= p1 || p2 <= i1 + kOverlapMargin) return false;
  double m;
  if (p1 <= i1) {
    m = i2 <= p2 ? (i1 + i2) / 2 : (p2 + i1) / 2;
  } else {
    m = i2 <= p2 ? (p1 + i2) / 2 : (p1 + p2) / 2;
  }
  AreaConnector c{{p.x, m}, {i.x, m}, true};
  return !boundary_->Blocked(c);
}

bool SmartAreas::Connects(const SmartSegment& a, const SmartSegment& b) const {
  for (double fa : kConnectorAt) {
    for (double fb : kConnectorAt) {
      AreaConnector c{{a.x, a.y1 + fa * (a.y2 - a.y1)}, {b.x, b.y1 + fb * (b.y2 - b.y1)}, false};
      if (!boundary_->Blocked(c)) return true;
    }
  }
  return false;
}

// Overlapping previous segments come first; only when none overlaps are the
// connectors tried. A segment is made once: every further previous segment it
// links to has its area merged with the segment's, so one area never holds
// the same segment twice.
void SmartAreas::Place(double x, double y1, double y2, std::uint16_t style) {
  const SmartSegment candidate{x, y1, y2, style, -1};
  int made = -1;
  for (std::size_t k = 0; k < previous_->count; ++k) {
    Interval& p = previous_->entries[k];
    if (!Overlap(segments_[p.segment], candidate)) continue;
    if (made < 0) {
      made = CreateSegment(x, y1, y2, style, AreaOf(p.segment));
      p.continued = true;
    } else {
      Merge(AreaOf(made), AreaOf(p.segment));
    }
  }
  if (made >= 0) return;
  for (std::size_t k = 0; k < previous_->count; ++k) {
    Interval& p = previous_->entries[k];
    if (!Connects(segments_[p.segment], candidate)) continue;
    if (made < 0) {
      made = CreateSegment(x, y1, y2, style, AreaOf(p.segment));
    } else {
      Merge(AreaOf(made), AreaOf(p.segment));
    }
    p.continued = true;
  }
  if (made < 0) CreateSegment(x, y1, y2, style, NewArea());
}

void SmartAreas::LinkLeftovers() {
  for (std::size_t k = 0; k < previous_->count; ++k) {
    const Interval& p = previous_->entries[k];
    if (p.continued) continue;
    for (std::size_t j = 0; j < current_->count; ++j) {
      const int i = current_->entries[j].segment;
      if (!Connects(segments_[p.segment], segments_[i])) continue;
      Merge(AreaOf(p.segment), AreaOf(i));
      break;
    }
  }
}

// The connector to the point keeps a segment on the far side of a wall (the
// point lies near the wall) from claiming the point.
void SmartAreas::TestPoint(const double* point, double half_width) {
  if (found_ >= 0) return;
  for (std::size_t k = 0; k < previous_->count; ++k) {
    const SmartSegment& s = segments_[previous_->entries[k].segment];
    if (!(std::fabs(s.x - point[0]) <= half_width && s.y1 <= point[1] && point[1] <= s.y2)) continue;
    AreaConnector c{{s.x, point[1]}, {point[0], point[1]}, true};
    if (s.x != point[0] && boundary_->Blocked(c)) continue;
    found_ = AreaOf(previous_->entries[k].segment);
    return;
  }
}

void SmartAreas::EndScanLine() { std::swap(previous_, current_); }

void SmartAreas::FoundSegments(std::vector<SmartSegment>& out) {
  out.clear();
  if (found_ < 0) return;
  const int area = Root(found_);
  for (std::size_t k = 0; k < segments_.size(); ++k) {
    if (AreaOf(static_cast<int>(k)) == area) out.push_back(segments_[k]);
  }
}

}  // namespace vx
