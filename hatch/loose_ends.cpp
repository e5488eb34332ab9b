#include "hatch/loose_ends.h"

#include <algorithm>
#include <cmath>

namespace vx {

namespace {

double* EndPoint(BoundaryPiece& p, const LooseEnd& end) { return end.at_b ? p.b : p.a; }
std::uint32_t& EndJunction(BoundaryPiece& p, const LooseEnd& end) { return end.at_b ? p.junction_b : p.junction_a; }

// The larger side of the box around every finite end of a straight or curved
// piece.
double Size(const std::vector<BoundaryPiece>& pieces) {
  double min_x = INFINITY, min_y = INFINITY, max_x = -INFINITY, max_y = -INFINITY;
  for (const BoundaryPiece& p : pieces) {
    if (p.shape == PieceShape::kOther) continue;
    for (const double* q : {p.a, p.b}) {
      if (!std::isfinite(q[0]) || !std::isfinite(q[1])) continue;
      min_x = std::min(min_x, q[0]);
      max_x = std::max(max_x, q[0]);
      min_y = std::min(min_y, q[1]);
      max_y = std::max(max_y, q[1]);
    }
  }
  return max_x >= min_x ? std::max(max_x - min_x, max_y - min_y) : 0;
}

struct Representative {
  double x, y;
  std::uint32_t junction;
};

}  // namespace

void JoinLooseEnds(std::vector<BoundaryPiece>& pieces, const std::vector<LooseEnd>& ends, double relative) {
  const double tolerance = relative * Size(pieces);
  std::vector<LooseEnd> order;
  order.reserve(ends.size());
  for (const LooseEnd& e : ends) {
    const double* q = EndPoint(pieces[e.piece], e);
    if (std::isfinite(q[0]) && std::isfinite(q[1])) order.push_back(e);
  }
  // In order of x, a group's ends lie at most `tolerance` behind the newest
  // end; the first end of each group represents it.
  std::stable_sort(order.begin(), order.end(), [&](const LooseEnd& l, const LooseEnd& r) {
    return EndPoint(pieces[l.piece], l)[0] < EndPoint(pieces[r.piece], r)[0];
  });
  std::vector<Representative> groups;
  for (const LooseEnd& e : order) {
    double* q = EndPoint(pieces[e.piece], e);
    const Representative* joined = nullptr;
    for (auto g = groups.rbegin(); g != groups.rend() && g->x >= q[0] - tolerance; ++g) {
      if (std::fabs(g->y - q[1]) <= tolerance) {
        joined = &*g;
        break;
      }
    }
    if (joined == nullptr) {
      groups.push_back({q[0], q[1], EndJunction(pieces[e.piece], e)});
      continue;
    }
    q[0] = joined->x;
    q[1] = joined->y;
    EndJunction(pieces[e.piece], e) = joined->junction;
  }
}

}  // namespace vx
