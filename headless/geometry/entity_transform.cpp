// ETran: transforms a record in place by a stored matrix (or the current one)
// and returns it.
#include <cmath>
#include <string>
#include <vector>

#include "headless/geometry/checked_pointer.h"
#include "headless/geometry/conic_transform.h"
#include "headless/geometry/curve_records.h"
#include "headless/geometry/entity_access.h"
#include "headless/geometry/matrix.h"
#include "headless/geometry/matrix_stack.h"
#include "headless/geometry/text_geometry.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vxh {

namespace {

constexpr const char* kOp = "ETran";

void TransformPointAt(vx::Entity e, std::size_t x_offset, const Matrix& m) {
  P2 p = ReadPoint(e, x_offset);
  Apply2(m, p.x, p.y);
  WritePoint(e, x_offset, p);
}

void TransformPoint3(vx::Entity e, const Matrix& m) {
  RequireBytes(e, vx::kPointSize, kOp);
  const Point3 p = Apply(m, {vx::GetF64(e, vx::kPointX), vx::GetF64(e, vx::kPointY), vx::GetF64(e, vx::kPointZ)});
  vx::PutF64(e, vx::kPointX, p.x);
  vx::PutF64(e, vx::kPointY, p.y);
  vx::PutF64(e, vx::kPointZ, p.z);
}

void TransformPoly(vx::Entity e, const Matrix& m) {
  const std::size_t count = PolyVertices(e, kOp).size();
  for (std::size_t i = 0; i < count; ++i) TransformPointAt(e, vx::kPolyVertices + i * vx::kVertexBytes, m);
}

double ImageAngle(const Matrix& m, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return NormalizeAngle(std::atan2(m[4] * c + m[5] * s, m[0] * c + m[1] * s));
}

void TransformCircle(vx::Entity e, const Matrix& m) {
  RequireBytes(e, vx::kCircleSize, kOp);
  TransformPointAt(e, vx::kCircleX, m);
  vx::PutF64(e, vx::kCircleR, vx::GetF64(e, vx::kCircleR) * PlaneScale(m));
}

// A mirror reverses the direction of travel; the arc keeps its sweep and
// starts from the image of its old end instead.
void TransformArc(vx::Entity e, const Matrix& m) {
  RequireBytes(e, vx::kArcSize, kOp);
  const double start = vx::GetF64(e, vx::kArcStart);
  const double sweep = vx::GetF64(e, vx::kArcSweep);
  const bool mirrored = PlaneDeterminant(m) < 0;
  TransformPointAt(e, vx::kCircleX, m);
  vx::PutF64(e, vx::kCircleR, vx::GetF64(e, vx::kCircleR) * PlaneScale(m));
  vx::PutF64(e, vx::kArcStart, ImageAngle(m, mirrored ? start + sweep : start));
}

void TransformPoints(vx::Entity e, std::size_t first_x, std::size_t count, const Matrix& m) {
  for (std::size_t i = 0; i < count; ++i) TransformPointAt(e, first_x + i * vx::kVertexBytes, m);
}

// The axis moves with the map; the width follows the scale across the
// image of the axis (the area's scale divided by the scale along it).
void TransformWall(vx::Entity e, const Matrix& m) {
  const WallShape wall = ReadWall(e, kOp);
  const double dx = wall.b.x - wall.a.x, dy = wall.b.y - wall.a.y;
  const double along = std::hypot(m[0] * dx + m[1] * dy, m[4] * dx + m[5] * dy);
  const double length = std::hypot(dx, dy);
  const double det = std::fabs(PlaneDeterminant(m));
  const double across = length > 0 && along > 0 ? det * length / along : std::sqrt(det);
  TransformPointAt(e, vx::kWallX1, m);
  TransformPointAt(e, vx::kWallX2, m);
  vx::PutF64(e, vx::kWallWidth, wall.width * across);
}

// Members of a symbol are in its definition's coordinates: only the instance
// transform changes.
void TransformSymbol(vx::Entity e, const Matrix& m) {
  const Matrix moved = Compose(InstanceTransform(e, kOp), m);
  for (int i = 0; i < 12; ++i) vx::PutF64(e, vx::kSymMatrix + 8 * i, moved[i]);
}

vx::Entity TransformEntity(vx::Entity e, const Matrix& m);

// Members are gathered first: a member that changes kind is replaced in its
// list while the list would otherwise be walked.
void TransformMembers(vx::Entity container, const Matrix& m) {
  std::vector<vx::Entity> members;
  ForEachMember(container, kOp, [&members](vx::Entity member) { members.push_back(member); });
  for (vx::Entity member : members) TransformEntity(member, m);
}

// The record to use afterwards: the same one, unless the kind had to change.
vx::Entity TransformEntity(vx::Entity e, const Matrix& m) {
  const int kind = KindOf(e, kOp);
  switch (kind) {
    case vx::kKindPoint: TransformPoint3(e, m); return e;
    case vx::kKindLine:
      RequireBytes(e, vx::kLineSize, kOp);
      TransformPointAt(e, vx::kLineX1, m);
      TransformPointAt(e, vx::kLineX2, m);
      return e;
    case vx::kKindPath:
    case vx::kKindPolygon: TransformPoly(e, m); return e;
    case vx::kKindText: TransformText(e, m); return e;
    case vx::kKindCircle:
      if (!IsPlaneSimilarity(m)) return TransformConic(e, m);
      TransformCircle(e, m);
      return e;
    case vx::kKindArc:
      if (!IsPlaneSimilarity(m)) return TransformConic(e, m);
      TransformArc(e, m);
      return e;
    case vx::kKindEllipse:
    case vx::kKindEllipticalArc: return TransformConic(e, m);
    case vx::kKindCurvePath:
    case vx::kKindClosedCurve: TransformPoints(e, vx::kCurveVertices, ReadCurve(e, kOp).points.size(), m); return e;
    case vx::kKindBezier: TransformPoints(e, vx::kBezPoints, ReadBezier(e, kOp).size(), m); return e;
    case vx::kKindWall: TransformWall(e, m); return e;
    case vx::kKindSymbol: TransformSymbol(e, m); return e;
    case vx::kKindAttribute:
      RequireBytes(e, vx::kAttrFixedBytes, kOp);
      TransformPointAt(e, vx::kAttrX, m);
      return e;
    case vx::kKindOpaque: return e;  // no geometry known to the host
    default:
      if (IsContainerKind(kind)) {
        TransformMembers(e, m);
        return e;
      }
      NotBuilt(("ETran of a " + KindName(kind)).c_str());
  }
}

}  // namespace

}  // namespace vxh

namespace vx {

// A null matrix stands for the current one: the text tools carry attribute
// texts inside symbols into the drawing this way.
extern "C" Entity KVAPI ETran(Entity entity, const double* matrix) {
  vxh::Required(entity, "ETran", "entity");
  return vxh::TransformEntity(
      entity, matrix != nullptr ? vxh::LoadMatrix(matrix) : vxh::RunningMatrixStack("ETransform").current);
}

}  // namespace vx
