#include "hatch/crossings.h"

#include <algorithm>
#include <cmath>

#include "host/entity_layout.h"
#include "host/host_api.h"

namespace vx {

namespace {

// Between the ends of a straight piece. The ends lie on either side of x,
// so the division is safe and the result stays within the piece's y range.
double StraightY(const BoundaryPiece& p, double x) {
  const double t = (x - p.a[0]) / (p.b[0] - p.a[0]);
  const double y = p.a[1] + t * (p.b[1] - p.a[1]);
  return std::clamp(y, std::min(p.a[1], p.b[1]), std::max(p.a[1], p.b[1]));
}

// Between the ends of a half-circle piece. (r - d)(r + d) keeps the height
// accurate near the leftmost and rightmost points, where r² - d² cancels.
double ArcY(const BoundaryPiece& p, double x) {
  const double d = x - p.centre[0];
  const double height = std::sqrt(std::max(0.0, (p.radius - d) * (p.radius + d)));
  return p.upper ? p.centre[1] + height : p.centre[1] - height;
}

void EndedCrossings(const BoundaryPiece& p, const ScanLine& scan, CrossingBuffer& out) {
  const double x = scan.x;
  if ((p.a[0] < x) == (p.b[0] < x)) return;
  // Exact on purpose: an end on the scan line is a junction shared, with the
  // very same coordinates, by every piece that meets there.
  if (p.a[0] == x) return out.AddVertex(p.a[1], p.junction_a);
  if (p.b[0] == x) return out.AddVertex(p.b[1], p.junction_b);
  out.AddCrossing(p.shape == PieceShape::kStraight ? StraightY(p, x) : ArcY(p, x));
}

void OtherCrossings(const BoundaryPiece& p, const ScanLine& scan, CrossingBuffer& out) {
  if ((p.min_x < scan.x) != (p.max_x > scan.x)) return;
  double* points = nullptr;
  const int count = FindAllInts(const_cast<std::uint8_t*>(scan.record), p.entity, &points);
  if (count <= 0 || points == nullptr) return;
  const bool closed = (EInfo(p.entity, 1) & kInfoClosed) != 0;
  // A closed entity met at one point only touches the scan line.
  if (count == 1 && closed) return;
  for (int i = 0; i < count; ++i) {
    const double* point = points + 3 * i;
    // Every point of a closed entity lies within its parameter range, so the
    // range check (and its cost per scan line) is for open ones.
    if (!closed) {
      double along = -1;
      if (EGet(p.entity, kQueryParamOf, point, &along) == 0) continue;
      if (!(along >= 0 && along <= 1)) continue;
    }
    if (std::isfinite(point[1])) out.AddCrossing(point[1]);
  }
}

}  // namespace

void PieceCrossings(const BoundaryPiece& piece, const ScanLine& scan, CrossingBuffer& out) {
  if (piece.shape == PieceShape::kOther) return OtherCrossings(piece, scan, out);
  EndedCrossings(piece, scan, out);
}

}  // namespace vx
