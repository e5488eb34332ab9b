// Reading and writing the records of the curved kinds: ellipses (8),
// elliptical arcs (9), curve paths (26), closed curves (27), Bézier curves
// (45) and walls (38). Every read checks the record's size first.
#pragma once

#include <cstdint>
#include <vector>

#include "headless/geometry/piece.h"
#include "host/kv_types.h"

namespace vxh {

struct EllipseShape {
  P2 centre;
  double major = 0, minor = 0, rotation = 0;
  double start = 0, sweep = kTwoPi;  // parametric angle; a whole ellipse goes once around
};

EllipseShape ReadEllipse(vx::Entity e, const char* operation);  // kinds 8 and 9
void WriteEllipse(vx::Entity e, const EllipseShape& shape);     // the arc fields only for kind 9
Piece EllipsePiece(const EllipseShape& shape);
// The canonical ellipse of an elliptical arc piece: semi-axes from the
// singular values of [u v] (major first, rotation in [0, π)), start in
// [0, 2π) and the sweep's sign following the piece's orientation.
EllipseShape EllipseOfPiece(const Piece& piece);

struct CurvePoints {
  int type = 0;
  std::vector<P2> points;
};
CurvePoints ReadCurve(vx::Entity e, const char* operation);       // kinds 26 and 27
std::vector<P2> ReadBezier(vx::Entity e, const char* operation);  // kind 45
void WritePoints(vx::Entity e, std::size_t first_x, const std::vector<P2>& points);

struct WallShape {
  P2 a, b;
  double width = 0;
};
WallShape ReadWall(vx::Entity e, const char* operation);
// Corners of the wall's outline, counter-clockwise from the right of its start.
std::vector<P2> WallCorners(const WallShape& wall);

}  // namespace vxh
