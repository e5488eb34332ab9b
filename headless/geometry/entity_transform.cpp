// ETran: transforms a record in place by a stored matrix and returns it.
#include <cmath>
#include <string>

#include "headless/geometry/checked_pointer.h"
#include "headless/geometry/entity_access.h"
#include "headless/geometry/matrix.h"
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

// Circles and arcs stay circles and arcs only under similarities; anything
// else makes an ellipse, a new record that this host does not build yet.
void RequireSimilarity(const Matrix& m, int kind) {
  if (!IsPlaneSimilarity(m))
    NotBuilt(("ETran of a " + KindName(kind) + " by a non-uniform scale or shear (an ellipse)").c_str());
}

void TransformCircle(vx::Entity e, const Matrix& m) {
  RequireBytes(e, vx::kCircleSize, kOp);
  RequireSimilarity(m, vx::kKindCircle);
  TransformPointAt(e, vx::kCircleX, m);
  vx::PutF64(e, vx::kCircleR, vx::GetF64(e, vx::kCircleR) * PlaneScale(m));
}

// A mirror reverses the direction of travel; the arc keeps its sweep and
// starts from the image of its old end instead.
void TransformArc(vx::Entity e, const Matrix& m) {
  RequireBytes(e, vx::kArcSize, kOp);
  RequireSimilarity(m, vx::kKindArc);
  const double start = vx::GetF64(e, vx::kArcStart);
  const double sweep = vx::GetF64(e, vx::kArcSweep);
  const bool mirrored = PlaneDeterminant(m) < 0;
  TransformPointAt(e, vx::kCircleX, m);
  vx::PutF64(e, vx::kCircleR, vx::GetF64(e, vx::kCircleR) * PlaneScale(m));
  vx::PutF64(e, vx::kArcStart, ImageAngle(m, mirrored ? start + sweep : start));
}

// Members of a symbol are in its definition's coordinates: only the instance
// transform changes.
void TransformSymbol(vx::Entity e, const Matrix& m) {
  RequireBytes(e, vx::kSymName, kOp);
  Matrix instance = Identity();
  for (int i = 0; i < 12; ++i) instance[i] = vx::GetF64(e, vx::kSymMatrix + 8 * i);
  const Matrix moved = Compose(instance, m);
  for (int i = 0; i < 12; ++i) vx::PutF64(e, vx::kSymMatrix + 8 * i, moved[i]);
}

void TransformEntity(vx::Entity e, const Matrix& m) {
  const int kind = KindOf(e, kOp);
  switch (kind) {
    case vx::kKindPoint: TransformPoint3(e, m); return;
    case vx::kKindLine:
      RequireBytes(e, vx::kLineSize, kOp);
      TransformPointAt(e, vx::kLineX1, m);
      TransformPointAt(e, vx::kLineX2, m);
      return;
    case vx::kKindPath:
    case vx::kKindPolygon: TransformPoly(e, m); return;
    case vx::kKindText: TransformText(e, m); return;
    case vx::kKindCircle: TransformCircle(e, m); return;
    case vx::kKindArc: TransformArc(e, m); return;
    case vx::kKindSymbol: TransformSymbol(e, m); return;
    case vx::kKindOpaque: return;  // no geometry known to the host
    default:
      if (IsContainerKind(kind)) {
        ForEachMember(e, kOp, [&m](vx::Entity member) { TransformEntity(member, m); });
        return;
      }
      NotBuilt(("ETran of a " + KindName(kind)).c_str());
  }
}

}  // namespace

}  // namespace vxh

namespace vx {

extern "C" Entity KVAPI ETran(Entity entity, const double* matrix) {
  vxh::Required(entity, "ETran", "entity");
  vxh::TransformEntity(entity, vxh::LoadMatrix(vxh::Required(matrix, "ETran", "matrix")));
  return entity;
}

}  // namespace vx
