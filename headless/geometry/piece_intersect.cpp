#include "headless/geometry/piece_intersect.h"

#include <algorithm>
#include <cmath>

#include "headless/geometry/meeting_solvers.h"
#include "headless/tolerances.h"

namespace vxh {

namespace {

// A flattened ellipse has no frame in which it is the unit circle.
bool IsFlat(const Piece& e) {
  const double cross = e.u.x * e.v.y - e.u.y * e.v.x;
  const double size = std::max(e.u.x * e.u.x + e.u.y * e.u.y, e.v.x * e.v.x + e.v.y * e.v.y);
  return std::fabs(cross) <= tol::kCircularRelative * size;
}

}  // namespace

void IntersectPieces(const Piece& a, const Piece& b, double size, std::vector<Meeting>& out) {
  const double tolerance = tol::kMeetRelative * size;
  if (!a.Bounds().Meets(b.Bounds(), tolerance)) return;
  if (IsPointPiece(a)) return MeetPoint(a, b, tolerance, false, out);
  if (IsPointPiece(b)) return MeetPoint(b, a, tolerance, true, out);
  const bool a_line = a.kind == PieceKind::kLine, b_line = b.kind == PieceKind::kLine;
  const bool a_ellipse = a.kind == PieceKind::kEllipseArc, b_ellipse = b.kind == PieceKind::kEllipseArc;
  if (a_line && b_line) return MeetLines(a, b, tolerance, out);
  if ((a_ellipse && IsFlat(a)) || (b_ellipse && IsFlat(b))) return MeetNumerically(a, b, size, out);
  if (a_line && b_ellipse) return MeetLineEllipse(a, b, tolerance, false, out);
  if (a_ellipse && b_line) return MeetLineEllipse(b, a, tolerance, true, out);
  if (a.IsCircular() && b.IsCircular()) return MeetCircles(a, b, tolerance, out);
  MeetNumerically(a, b, size, out);
}

}  // namespace vxh
