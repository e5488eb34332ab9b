// An entity's geometry as a sequence of pieces with the entity's parameter:
// piece i covers [knots[i], knots[i + 1]] of the parameter 0..1, and inside it
// the piece's own parameter runs linearly. Paths spread the parameter by
// length (so it is arc length, like the host's lines and paths); curves give
// each segment an equal share; circles, arcs and ellipses are one piece whose
// parameter is the (parametric) angle's fraction.
#pragma once

#include <vector>

#include "headless/geometry/piece.h"

namespace vxh {

struct PieceParam {
  std::size_t index = 0;
  double s = 0;
};

class Shape {
 public:
  Shape() = default;
  // Shares of the parameter: by length or equal.
  enum class Spread { kByLength, kEqual };
  Shape(std::vector<Piece> pieces, Spread spread, bool closed);

  const std::vector<Piece>& Pieces() const { return pieces_; }
  bool Empty() const { return pieces_.empty(); }
  bool Closed() const { return closed_; }

  PieceParam Local(double t) const;
  double Global(std::size_t index, double s) const;

  P2 PointAt(double t) const;
  double ParamOf(const P2& p) const;  // nearest point; the earlier piece wins a tie
  double DistanceTo(const P2& p) const;
  double Length() const;
  Box2 Bounds() const;
  Shape Transformed(const Matrix& m) const;

  // Polylines within `tolerance` of the pieces; a new polyline starts where
  // one piece does not begin at the end of the one before.
  std::vector<std::vector<P2>> Chains(double tolerance) const;

 private:
  std::vector<Piece> pieces_;
  std::vector<double> knots_;
  bool closed_ = false;
};

}  // namespace vxh
