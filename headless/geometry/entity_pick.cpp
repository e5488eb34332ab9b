#include "headless/geometry/entity_pick.h"

#include "headless/geometry/checked_pointer.h"
#include "headless/geometry/entity_access.h"
#include "headless/geometry/shape_of.h"
#include "headless/geometry/text_geometry.h"
#include "headless/script/view_state.h"
#include "host/entity_layout.h"
#include "host/host_api.h"

namespace vxh {

namespace {

constexpr const char* kOp = "EPick";

bool InsideText(vx::Entity text, const P2& p) {
  const auto corners = ApproximateTextCorners(text);
  bool inside = false;
  for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
    const P2& a = corners[i];
    const P2& b = corners[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

}  // namespace

std::optional<double> DistanceToEntity(vx::Entity e, const P2& p) {
  const std::optional<Shape> shape = ShapeOf(e, kOp);
  if (!shape) return std::nullopt;
  if (KindOf(e, kOp) == vx::kKindText && InsideText(e, p)) return 0.0;
  return shape->DistanceTo(p);
}

bool WithinPick(vx::Entity e, const P2& p, double tolerance) {
  const std::optional<double> d = DistanceToEntity(e, p);
  return d && *d <= tolerance;
}

}  // namespace vxh

namespace vx {

extern "C" int KVAPI EPick(Entity entity, const double* point) {
  vxh::Required(entity, "EPick", "entity");
  vxh::Required(point, "EPick", "point");
  return vxh::WithinPick(entity, {point[0], point[1]}, vxh::CurrentViewState().PickTolerance()) ? 1 : 0;
}

}  // namespace vx
