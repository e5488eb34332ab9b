#include "headless/geometry/shape.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vxh {

Shape::Shape(std::vector<Piece> pieces, Spread spread, bool closed) : pieces_(std::move(pieces)), closed_(closed) {
  const std::size_t n = pieces_.size();
  knots_.assign(n + 1, 0.0);
  std::vector<double> share(n, 1.0);
  double total = static_cast<double>(n);
  if (spread == Spread::kByLength) {
    total = 0;
    for (std::size_t i = 0; i < n; ++i) total += share[i] = pieces_[i].Length();
    if (total == 0) {  // every piece a point: fall back to equal shares
      std::fill(share.begin(), share.end(), 1.0);
      total = static_cast<double>(n);
    }
  }
  double run = 0;
  for (std::size_t i = 0; i < n; ++i) {
    run += share[i];
    knots_[i + 1] = run / total;
  }
  if (n > 0) knots_[n] = 1;  // exact on purpose: the end is parameter 1
}

PieceParam Shape::Local(double t) const {
  if (pieces_.empty()) return {};
  if (!(t > 0)) return {0, 0};
  if (t >= 1) return {pieces_.size() - 1, 1};
  // The piece whose range holds t, skipping pieces of no length.
  std::size_t i = static_cast<std::size_t>(std::upper_bound(knots_.begin(), knots_.end(), t) - knots_.begin());
  i = std::clamp<std::size_t>(i, 1, pieces_.size()) - 1;
  const double width = knots_[i + 1] - knots_[i];
  return {i, width > 0 ? std::clamp((t - knots_[i]) / width, 0.0, 1.0) : 0.0};
}

double Shape::Global(std::size_t index, double s) const {
  if (s == 0) return knots_[index];  // exact at the piece's ends
  if (s == 1) return knots_[index + 1];
  return knots_[index] + s * (knots_[index + 1] - knots_[index]);
}

P2 Shape::PointAt(double t) const {
  if (pieces_.empty()) return {};
  const PieceParam local = Local(t);
  return pieces_[local.index].At(local.s);
}

double Shape::ParamOf(const P2& p) const {
  double best_distance = std::numeric_limits<double>::infinity();
  double best_t = 0;
  for (std::size_t i = 0; i < pieces_.size(); ++i) {
    const Piece& piece = pieces_[i];
    if (piece.kind != PieceKind::kLine && piece.Hull(0, 1).DistanceTo(p) >= best_distance) continue;
    const double s = piece.NearestParam(p);
    const double d = Distance(piece.At(s), p);
    if (d < best_distance) {
      best_distance = d;
      best_t = Global(i, s);
    }
  }
  // A closed shape's start and end are one point: read it as the start.
  return closed_ && best_t == 1 ? 0 : best_t;
}

double Shape::DistanceTo(const P2& p) const {
  double best = std::numeric_limits<double>::infinity();
  for (const Piece& piece : pieces_) {
    if (piece.Hull(0, 1).DistanceTo(p) >= best) continue;
    best = std::min(best, Distance(piece.At(piece.NearestParam(p)), p));
  }
  return best;
}

double Shape::Length() const {
  double total = 0;
  for (const Piece& piece : pieces_) total += piece.Length();
  return total;
}

Box2 Shape::Bounds() const {
  Box2 box;
  for (const Piece& piece : pieces_) box.Add(piece.Bounds());
  return box;
}

Shape Shape::Transformed(const Matrix& m) const {
  Shape out = *this;
  for (Piece& piece : out.pieces_) piece = piece.Transformed(m);
  return out;
}

std::vector<std::vector<P2>> Shape::Chains(double tolerance) const {
  std::vector<std::vector<P2>> chains;
  for (const Piece& piece : pieces_) {
    const P2 start = piece.Start();
    if (chains.empty() || !(chains.back().back() == start)) chains.push_back({start});
    const int n = piece.ChordCount(tolerance);
    for (int k = 1; k < n; ++k) chains.back().push_back(piece.At(static_cast<double>(k) / n));
    chains.back().push_back(piece.End());
  }
  return chains;
}

}  // namespace vxh
