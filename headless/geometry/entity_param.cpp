// EGet queries 0 (point at a parameter), 2 (parameter of the nearest point)
// and 5 (length). Parameters run from 0 to 1 along the entity; query 2 is the
// inverse of query 0 for points on the entity.
#include <cmath>
#include <memory>
#include <optional>
#include <string>

#include "headless/geometry/arc_geometry.h"
#include "headless/geometry/checked_pointer.h"
#include "headless/geometry/entity_access.h"
#include "headless/geometry/polyline.h"
#include "headless/geometry/shape_of.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vxh {

namespace {

constexpr const char* kOp = "EGet";

// The three questions every measurable kind answers.
struct Measure {
  virtual ~Measure() = default;
  virtual P2 PointAt(double t) const = 0;
  virtual double ParamOf(const P2& p) const = 0;
  virtual double Length() const = 0;
};

struct LineMeasure final : Measure {
  P2 a, b;
  explicit LineMeasure(vx::Entity e) : a(ReadPoint(e, vx::kLineX1)), b(ReadPoint(e, vx::kLineX2)) {}
  P2 PointAt(double t) const override { return PointAtParam(t, a, b); }
  double ParamOf(const P2& p) const override { return NearestParamOnLine(p, a, b); }
  double Length() const override { return Distance(a, b); }
};

struct PolyMeasure final : Measure {
  Polyline chain;
  PolyMeasure(vx::Entity e, bool closed) : chain(PolyVertices(e, kOp), closed) {}
  P2 PointAt(double t) const override { return chain.PointAt(t); }
  double ParamOf(const P2& p) const override { return chain.ParamOf(p); }
  double Length() const override { return chain.Length(); }
};

// A circle is the arc that starts at angle 0 and goes once around.
struct ArcMeasure final : Measure {
  ArcShape arc;
  ArcMeasure(vx::Entity e, bool is_arc) {
    arc = {ReadPoint(e, vx::kCircleX), vx::GetF64(e, vx::kCircleR), 0, kTwoPi};
    if (is_arc) {
      arc.start = vx::GetF64(e, vx::kArcStart);
      arc.sweep = vx::GetF64(e, vx::kArcSweep);
    }
  }
  P2 PointAt(double t) const override { return PointAtAngle(arc.centre, arc.radius, arc.start + t * arc.sweep); }
  double ParamOf(const P2& p) const override {
    const double t = ArcParamOf(p, arc);
    return std::fabs(arc.sweep) >= kTwoPi && t == 1 ? 0 : t;
  }
  double Length() const override { return arc.radius * std::fabs(arc.sweep); }
};

// The curved kinds and walls: by their pieces (see shape.h for how the
// parameter spreads over them).
struct ShapeMeasure final : Measure {
  Shape shape;
  explicit ShapeMeasure(Shape s) : shape(std::move(s)) {}
  P2 PointAt(double t) const override { return shape.PointAt(t); }
  double ParamOf(const P2& p) const override { return shape.ParamOf(p); }
  double Length() const override { return shape.Length(); }
};

// The measure of a kind, or none for kinds that have no length or parameter
// (points, texts, containers, dimensions): EGet refuses those with 0.
std::unique_ptr<Measure> MeasureOf(vx::Entity e) {
  const int kind = KindOf(e, kOp);
  switch (kind) {
    case vx::kKindLine: RequireBytes(e, vx::kLineSize, kOp); return std::make_unique<LineMeasure>(e);
    case vx::kKindPath:
    case vx::kKindPolygon: {
      auto poly = std::make_unique<PolyMeasure>(e, kind == vx::kKindPolygon);
      if (poly->chain.Empty()) return nullptr;  // no vertex, nothing to measure
      return poly;
    }
    case vx::kKindCircle: RequireBytes(e, vx::kCircleSize, kOp); return std::make_unique<ArcMeasure>(e, false);
    case vx::kKindArc: RequireBytes(e, vx::kArcSize, kOp); return std::make_unique<ArcMeasure>(e, true);
    default:
      if (IsCurvedKind(kind)) {
        std::optional<Shape> shape = MeasurableShapeOf(e, kOp);
        if (!shape) return nullptr;  // no points, nothing to measure
        return std::make_unique<ShapeMeasure>(std::move(*shape));
      }
      return nullptr;
  }
}

int Answer(const Measure& measure, int query, const void* in, void* out) {
  auto* result = static_cast<double*>(Required(out, kOp, "output"));
  switch (query) {
    case vx::kQueryPointAt: {
      const P2 p = measure.PointAt(*static_cast<const double*>(Required(in, kOp, "parameter")));
      result[0] = p.x;
      result[1] = p.y;
      return 1;
    }
    case vx::kQueryParamOf: {
      const auto* p = static_cast<const double*>(Required(in, kOp, "point"));
      *result = measure.ParamOf({p[0], p[1]});
      return 1;
    }
    default:  // length
      *result = measure.Length();
      return 1;
  }
}

}  // namespace

}  // namespace vxh

namespace vx {

extern "C" int KVAPI EGet(Entity entity, int query, const void* in, void* out) {
  if (query != kQueryPointAt && query != kQueryParamOf && query != kQueryLength)
    vxh::NotBuilt(("EGet query " + std::to_string(query)).c_str());
  vxh::Required(entity, "EGet", "entity");
  const auto measure = vxh::MeasureOf(entity);
  if (!measure) return 0;
  return vxh::Answer(*measure, query, in, out);
}

}  // namespace vx
