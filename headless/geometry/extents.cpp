// EXCheck: widens an extents box by an entity.
#include <cmath>
#include <optional>
#include <string>

#include "headless/geometry/arc_geometry.h"
#include "headless/geometry/box.h"
#include "headless/geometry/checked_pointer.h"
#include "headless/geometry/entity_access.h"
#include "headless/geometry/matrix.h"
#include "headless/geometry/shape_of.h"
#include "headless/geometry/text_geometry.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vxh {

namespace {

constexpr const char* kOp = "EXCheck";

void WidenByArc(std::uint8_t* box, const ArcShape& arc) {
  const bool full = std::fabs(arc.sweep) >= kTwoPi;
  if (!full) {
    const P2 a = PointAtAngle(arc.centre, arc.radius, arc.start);
    const P2 b = PointAtAngle(arc.centre, arc.radius, arc.start + arc.sweep);
    WidenBox2(box, a.x, a.y);
    WidenBox2(box, b.x, b.y);
  }
  // The extreme points on the axes, exact: centre ± radius.
  const double quarter = kTwoPi / 4;
  const P2 extremes[4] = {{arc.centre.x + arc.radius, arc.centre.y},
                          {arc.centre.x, arc.centre.y + arc.radius},
                          {arc.centre.x - arc.radius, arc.centre.y},
                          {arc.centre.x, arc.centre.y - arc.radius}};
  for (int k = 0; k < 4; ++k)
    if (full || AngleOnArc(k * quarter, arc)) WidenBox2(box, extremes[k].x, extremes[k].y);
}

ArcShape CircleOrArc(vx::Entity e, bool is_arc) {
  RequireBytes(e, is_arc ? vx::kArcSize : vx::kCircleSize, kOp);
  ArcShape arc{ReadPoint(e, vx::kCircleX), vx::GetF64(e, vx::kCircleR), 0, kTwoPi};
  if (is_arc) {
    arc.start = vx::GetF64(e, vx::kArcStart);
    arc.sweep = vx::GetF64(e, vx::kArcSweep);
  }
  return arc;
}

void WidenBySymbol(std::uint8_t* box, vx::Entity symbol);

// Curved kinds and walls: the tight box of their pieces.
void WidenByShape(std::uint8_t* box, vx::Entity e) {
  const std::optional<Shape> shape = MeasurableShapeOf(e, kOp);
  if (!shape) return;  // no points, no extent
  const Box2 b = shape->Bounds();
  WidenBox2(box, b.x0, b.y0);
  WidenBox2(box, b.x1, b.y1);
}

void WidenByEntity(std::uint8_t* box, vx::Entity e) {
  const int kind = KindOf(e, kOp);
  switch (kind) {
    case vx::kKindPoint:
      RequireBytes(e, vx::kPointSize, kOp);
      WidenBox(box, vx::GetF64(e, vx::kPointX), vx::GetF64(e, vx::kPointY), vx::GetF64(e, vx::kPointZ));
      return;
    case vx::kKindLine:
      RequireBytes(e, vx::kLineSize, kOp);
      WidenBox2(box, vx::GetF64(e, vx::kLineX1), vx::GetF64(e, vx::kLineY1));
      WidenBox2(box, vx::GetF64(e, vx::kLineX2), vx::GetF64(e, vx::kLineY2));
      return;
    case vx::kKindPath:
    case vx::kKindPolygon:
      for (const P2& v : PolyVertices(e, kOp)) WidenBox2(box, v.x, v.y);
      return;
    case vx::kKindText:
      for (const P2& c : ApproximateTextCorners(e)) WidenBox2(box, c.x, c.y);
      return;
    case vx::kKindCircle:
    case vx::kKindArc: WidenByArc(box, CircleOrArc(e, kind == vx::kKindArc)); return;
    case vx::kKindSymbol: WidenBySymbol(box, e); return;
    case vx::kKindAttribute:
      // Its text is drawn in the current text settings, which the record does
      // not carry: the point it hangs on is all the record places.
      RequireBytes(e, vx::kAttrFixedBytes, kOp);
      WidenBox2(box, vx::GetF64(e, vx::kAttrX), vx::GetF64(e, vx::kAttrY));
      return;
    case vx::kKindOpaque: return;  // no geometry known to the host, so no extent
    default:
      if (IsContainerKind(kind)) {
        ForEachMember(e, kOp, [box](vx::Entity member) { WidenByEntity(box, member); });
        return;
      }
      if (IsCurvedKind(kind)) return WidenByShape(box, e);
      NotBuilt(("EXCheck of a " + KindName(kind)).c_str());
  }
}

// Symbol members are in the definition's coordinates: their box is carried to
// the drawing by the instance transform (its corners, so the box may be larger
// than the tightest one when the instance is rotated).
void WidenBySymbol(std::uint8_t* box, vx::Entity symbol) {
  const Matrix m = InstanceTransform(symbol, kOp);
  std::uint8_t members[vx::kBoxBytes] = {};
  ForEachMember(symbol, kOp, [&members](vx::Entity member) { WidenByEntity(members, member); });
  if (!BoxValid(members)) return;
  const double xs[2] = {vx::GetF64(members, vx::kBoxMinX), vx::GetF64(members, vx::kBoxMaxX)};
  const double ys[2] = {vx::GetF64(members, vx::kBoxMinY), vx::GetF64(members, vx::kBoxMaxY)};
  const double zs[2] = {vx::GetF64(members, vx::kBoxMinZ), vx::GetF64(members, vx::kBoxMaxZ)};
  for (double x : xs)
    for (double y : ys)
      for (double z : zs) {
        const Point3 p = Apply(m, {x, y, z});
        WidenBox(box, p.x, p.y, p.z);
      }
}

}  // namespace

}  // namespace vxh

namespace vx {

extern "C" void KVAPI EXCheck(Entity entity, void* box) {
  vxh::Required(entity, "EXCheck", "entity");
  vxh::WidenByEntity(static_cast<std::uint8_t*>(vxh::Required(box, "EXCheck", "box")), entity);
}

}  // namespace vx
