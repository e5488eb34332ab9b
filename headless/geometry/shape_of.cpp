#include "headless/geometry/shape_of.h"

#include "headless/geometry/curve_pieces.h"
#include "headless/geometry/curve_records.h"
#include "headless/geometry/entity_access.h"
#include "headless/geometry/text_geometry.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

namespace {

std::vector<Piece> Segments(const std::vector<P2>& pts, bool closed) {
  std::vector<Piece> pieces;
  for (std::size_t i = 1; i < pts.size(); ++i) pieces.push_back(Piece::Line(pts[i - 1], pts[i]));
  if (closed && !pts.empty()) pieces.push_back(Piece::Line(pts.back(), pts.front()));
  if (pts.size() == 1 && !closed) pieces.push_back(Piece::Line(pts[0], pts[0]));
  return pieces;
}

std::optional<Shape> Make(std::vector<Piece> pieces, Shape::Spread spread, bool closed) {
  if (pieces.empty()) return std::nullopt;
  return Shape(std::move(pieces), spread, closed);
}

std::optional<Shape> CircleShape(vx::Entity e, bool arc, const char* op) {
  RequireBytes(e, arc ? vx::kArcSize : vx::kCircleSize, op);
  const P2 c = ReadPoint(e, vx::kCircleX);
  const double r = vx::GetF64(e, vx::kCircleR);
  if (!arc) return Shape({Piece::CircleArc(c, r, 0, kTwoPi)}, Shape::Spread::kEqual, true);
  return Shape({Piece::CircleArc(c, r, vx::GetF64(e, vx::kArcStart), vx::GetF64(e, vx::kArcSweep))},
               Shape::Spread::kEqual, false);
}

std::optional<Shape> CurveShape(vx::Entity e, int kind, const char* op) {
  const bool closed = kind == vx::kKindClosedCurve;
  if (kind == vx::kKindBezier)
    return Make(CurvePieces(vx::kCurveBezier, ReadBezier(e, op), false, op), Shape::Spread::kEqual, false);
  const CurvePoints curve = ReadCurve(e, op);
  const auto spread = curve.type == vx::kCurveLines ? Shape::Spread::kByLength : Shape::Spread::kEqual;
  return Make(CurvePieces(curve.type, curve.points, closed, op), spread, closed);
}

std::optional<Shape> MeasurableOf(vx::Entity e, int kind, const char* op) {
  switch (kind) {
    case vx::kKindLine:
      RequireBytes(e, vx::kLineSize, op);
      return Shape({Piece::Line(ReadPoint(e, vx::kLineX1), ReadPoint(e, vx::kLineX2))}, Shape::Spread::kByLength,
                   false);
    case vx::kKindPath:
    case vx::kKindPolygon:
      return Make(Segments(PolyVertices(e, op), kind == vx::kKindPolygon), Shape::Spread::kByLength,
                  kind == vx::kKindPolygon);
    case vx::kKindCircle:
    case vx::kKindArc: return CircleShape(e, kind == vx::kKindArc, op);
    case vx::kKindEllipse:
    case vx::kKindEllipticalArc:
      return Shape({EllipsePiece(ReadEllipse(e, op))}, Shape::Spread::kEqual, kind == vx::kKindEllipse);
    case vx::kKindCurvePath:
    case vx::kKindClosedCurve:
    case vx::kKindBezier: return CurveShape(e, kind, op);
    case vx::kKindWall: return Make(Segments(WallCorners(ReadWall(e, op)), true), Shape::Spread::kByLength, true);
    default: return std::nullopt;
  }
}

void Append(std::vector<Piece>& to, const std::optional<Shape>& shape) {
  if (shape) to.insert(to.end(), shape->Pieces().begin(), shape->Pieces().end());
}

std::optional<Shape> ContainerShape(vx::Entity e, int kind, const char* op) {
  std::vector<Piece> pieces;
  ForEachMember(e, op, [&](vx::Entity member) { Append(pieces, ShapeOf(member, op)); });
  std::optional<Shape> shape = Make(std::move(pieces), Shape::Spread::kEqual, false);
  if (!shape || kind != vx::kKindSymbol) return shape;
  return shape->Transformed(InstanceTransform(e, op));
}

}  // namespace

bool IsCurvedKind(int kind) {
  return kind == vx::kKindEllipse || kind == vx::kKindEllipticalArc || kind == vx::kKindCurvePath ||
         kind == vx::kKindClosedCurve || kind == vx::kKindBezier || kind == vx::kKindWall;
}

std::optional<Shape> MeasurableShapeOf(vx::Entity entity, const char* operation) {
  return MeasurableOf(entity, KindOf(entity, operation), operation);
}

std::optional<Shape> ShapeOf(vx::Entity e, const char* op) {
  const int kind = KindOf(e, op);
  switch (kind) {
    case vx::kKindPoint: {
      RequireBytes(e, vx::kPointSize, op);
      const P2 p = ReadPoint(e, vx::kPointX);
      return Shape({Piece::Line(p, p)}, Shape::Spread::kEqual, false);
    }
    case vx::kKindText: {
      const auto corners = ApproximateTextCorners(e);
      return Make(Segments({corners.begin(), corners.end()}, true), Shape::Spread::kByLength, true);
    }
    default:
      if (IsContainerKind(kind)) return ContainerShape(e, kind, op);
      return MeasurableOf(e, kind, op);
  }
}

}  // namespace vxh
