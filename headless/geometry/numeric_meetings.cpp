// Meetings of pieces without a closed form (cubics, ellipses with ellipses):
// both pieces are halved while the hulls of their parts meet; small parts
// hand over to a damped Newton iteration on a(s) = b(t).
#include <algorithm>
#include <cmath>

#include "headless/geometry/meeting_solvers.h"
#include "headless/tolerances.h"

namespace vxh {

namespace {

struct Range {
  double s0, s1;
  double Mid() const { return 0.5 * (s0 + s1); }
};

struct Search {
  const Piece& a;
  const Piece& b;
  double size;
  std::vector<Meeting> found;
  int leaves = 0;
};

// Gauss-Newton with a little damping, so tangencies (a singular Jacobian)
// still converge. Parameters stay on the pieces.
bool Polish(const Piece& a, const Piece& b, double& s, double& t, double tolerance) {
  for (int iteration = 0; iteration < 100; ++iteration) {
    const P2 pa = a.At(s), pb = b.At(t);
    const double fx = pa.x - pb.x, fy = pa.y - pb.y;
    if (std::hypot(fx, fy) <= tolerance * tol::kPolishRelative) return true;
    const P2 da = a.Deriv(s), db = b.Deriv(t);
    // J = [da, -db]; solve (JᵀJ + λI) δ = -Jᵀ F.
    const double j11 = da.x * da.x + da.y * da.y, j22 = db.x * db.x + db.y * db.y;
    const double j12 = -(da.x * db.x + da.y * db.y);
    const double lambda = tol::kPolishDamping * (j11 + j22) + tol::kTiny;
    const double g1 = da.x * fx + da.y * fy, g2 = -(db.x * fx + db.y * fy);
    const double m11 = j11 + lambda, m22 = j22 + lambda;
    const double det = m11 * m22 - j12 * j12;
    if (!(det > 0)) break;
    const double ds = -(m22 * g1 - j12 * g2) / det, dt = -(m11 * g2 - j12 * g1) / det;
    const double ns = std::clamp(s + ds, 0.0, 1.0), nt = std::clamp(t + dt, 0.0, 1.0);
    if (ns == s && nt == t) break;
    s = ns;
    t = nt;
  }
  return Distance(a.At(s), b.At(t)) <= tolerance;
}

void Leaf(Search& search, const Range& ra, const Range& rb) {
  ++search.leaves;
  double s = ra.Mid(), t = rb.Mid();
  const double tolerance = tol::kMeetRelative * search.size;
  if (!Polish(search.a, search.b, s, t, tolerance)) return;
  const P2 p = search.a.At(s);
  const double merge = tol::kMergeRelative * search.size;
  for (const Meeting& m : search.found)
    if (Distance(m.point, p) <= merge) return;
  search.found.push_back({s, t, p});
}

void Subdivide(Search& search, const Range& ra, const Range& rb, int depth) {
  if (search.leaves > tol::kOverlapLeaves) return;
  const Box2 ha = search.a.Hull(ra.s0, ra.s1), hb = search.b.Hull(rb.s0, rb.s1);
  const double margin = tol::kMeetRelative * search.size;
  if (!ha.Meets(hb, margin)) return;
  const double leaf = tol::kLeafRelative * search.size;
  if ((ha.Size() <= leaf && hb.Size() <= leaf) || depth >= 60) return Leaf(search, ra, rb);
  if (ha.Size() >= hb.Size()) {
    const double mid = ra.Mid();
    Subdivide(search, {ra.s0, mid}, rb, depth + 1);
    Subdivide(search, {mid, ra.s1}, rb, depth + 1);
  } else {
    const double mid = rb.Mid();
    Subdivide(search, ra, {rb.s0, mid}, depth + 1);
    Subdivide(search, ra, {mid, rb.s1}, depth + 1);
  }
}

}  // namespace

void MeetNumerically(const Piece& a, const Piece& b, double size, std::vector<Meeting>& out) {
  Search search{a, b, size, {}, 0};
  Subdivide(search, {0, 1}, {0, 1}, 0);
  if (search.leaves > tol::kOverlapLeaves) {
    // The pieces lie on each other over a stretch: the ends of the stretch.
    MeetAtOverlapEnds(a, b, tol::kMeetRelative * size, out);
    return;
  }
  out.insert(out.end(), search.found.begin(), search.found.end());
}

}  // namespace vxh
