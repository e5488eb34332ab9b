#include "headless/render/path_builder.h"
#include "headless/tolerances.h"

#include <algorithm>
#include <cmath>

namespace vxh {

namespace {

// Arcs are written as one cubic per quarter turn at most: the cubic's
// distance from the ellipse stays below 3e-4 of its radius.
constexpr double kQuarterTurn = kTwoPi / 4;
constexpr int kMostArcSegments = 64;

bool Joins(const P2& a, const P2& b, double size) {
  return std::fabs(a.x - b.x) <= tol::kJoinRelative * size && std::fabs(a.y - b.y) <= tol::kJoinRelative * size;
}

double SizeOf(const Piece& piece) { return std::fmax(piece.Bounds().Size(), 1.0); }

}  // namespace

PathBuilder::PathBuilder(cairo_t* cr, const Matrix& to_picture) : cr_(cr), to_picture_(to_picture) {}

bool PathBuilder::Map(const P2& p, double& x, double& y) {
  x = p.x, y = p.y;
  Apply2(to_picture_, x, y);
  if (!std::isfinite(x) || !std::isfinite(y)) usable_ = false;
  return usable_;
}

void PathBuilder::MoveTo(const P2& p) {
  double x, y;
  if (!Map(p, x, y)) return;
  cairo_move_to(cr_, x, y);
  at_ = p, has_point_ = true;
}

void PathBuilder::LineTo(const P2& p) {
  double x, y;
  if (!Map(p, x, y)) return;
  cairo_line_to(cr_, x, y);
  at_ = p, has_point_ = true;
}

void PathBuilder::CurveTo(const P2& c1, const P2& c2, const P2& end) {
  double x1, y1, x2, y2, x3, y3;
  if (!Map(c1, x1, y1) || !Map(c2, x2, y2) || !Map(end, x3, y3)) return;
  cairo_curve_to(cr_, x1, y1, x2, y2, x3, y3);
  at_ = end, has_point_ = true;
}

void PathBuilder::Close() {
  if (usable_ && has_point_) cairo_close_path(cr_);
  has_point_ = false;
}

void PathBuilder::AddPiece(const Piece& piece) {
  const P2 start = piece.Start();
  if (!has_point_ || !Joins(at_, start, SizeOf(piece))) MoveTo(start);
  switch (piece.kind) {
    case PieceKind::kLine: LineTo(piece.p[1]); break;
    case PieceKind::kCubic: CurveTo(piece.p[1], piece.p[2], piece.p[3]); break;
    case PieceKind::kEllipseArc: AddEllipseArc(piece); break;
  }
}

// centre + u cos θ + v sin θ: over a step h from θ the cubic's inner points
// lie k = 4/3 tan(h/4) along the derivative, which is exact for the circle
// and stays exact under the affine map that makes the ellipse.
void PathBuilder::AddEllipseArc(const Piece& piece) {
  if (!std::isfinite(piece.sweep)) {
    usable_ = false;
    return;
  }
  const int steps = std::clamp(static_cast<int>(std::ceil(std::fabs(piece.sweep) / kQuarterTurn)), 1, kMostArcSegments);
  const double h = piece.sweep / steps;
  const double k = 4.0 / 3.0 * std::tan(h / 4);
  const auto point = [&](double t) {
    return P2{piece.centre.x + piece.u.x * std::cos(t) + piece.v.x * std::sin(t),
              piece.centre.y + piece.u.y * std::cos(t) + piece.v.y * std::sin(t)};
  };
  const auto tangent = [&](double t) {
    return P2{-piece.u.x * std::sin(t) + piece.v.x * std::cos(t), -piece.u.y * std::sin(t) + piece.v.y * std::cos(t)};
  };
  for (int i = 0; i < steps; ++i) {
    const double t0 = piece.start + h * i, t1 = piece.start + h * (i + 1);
    const P2 a = point(t0), b = point(t1), da = tangent(t0), db = tangent(t1);
    CurveTo({a.x + k * da.x, a.y + k * da.y}, {b.x - k * db.x, b.y - k * db.y}, b);
  }
}

void PathBuilder::AddShape(const Shape& shape) {
  const auto& pieces = shape.Pieces();
  if (pieces.empty()) return;
  for (const Piece& piece : pieces) AddPiece(piece);
  const double size = std::fmax(shape.Bounds().Size(), 1.0);
  if (shape.Closed() && Joins(at_, pieces.front().Start(), size)) Close();
}

}  // namespace vxh
