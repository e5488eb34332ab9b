// EExplode: ellipses, elliptical arcs, curve paths, closed curves, Bézier
// curves and walls into paths. Curved parts become chords that stay within
// tol::kExplodeChordRelative of the entity's size; straight parts keep their
// vertices. Each piece is a loose record handed to the callback, which owns
// it from then on (it copies it into a list and frees it through any list's
// free operation). The callback's result is not used.
#include <algorithm>
#include <cstring>
#include <optional>

#include "headless/drawing/loose_record.h"
#include "headless/geometry/checked_pointer.h"
#include "headless/geometry/entity_access.h"
#include "headless/geometry/piece_records.h"
#include "headless/geometry/shape_of.h"
#include "headless/tolerances.h"
#include "host/entity_layout.h"
#include "host/host_api.h"

namespace vxh {

namespace {

constexpr const char* kOp = "EExplode";
constexpr std::size_t kMaxPathPoints = 65535;

// Long chains go out as several paths, each starting where the last ended.
std::vector<std::vector<P2>> Portions(const std::vector<P2>& chain) {
  std::vector<std::vector<P2>> portions;
  for (std::size_t begin = 0; begin + 1 < chain.size() || portions.empty();) {
    const std::size_t end = std::min(chain.size(), begin + kMaxPathPoints);
    portions.emplace_back(chain.begin() + static_cast<long>(begin), chain.begin() + static_cast<long>(end));
    if (end >= chain.size()) break;
    begin = end - 1;
  }
  return portions;
}

void Hand(vx::Entity source, const std::vector<P2>& points, vx::ExplodeCallback callback, std::intptr_t data) {
  const RecordBytes bytes = PathRecord(source, points);
  vx::Entity piece = NewLooseRecord(static_cast<std::uint32_t>(bytes.size()));
  std::memcpy(piece, bytes.data(), bytes.size());
  callback(piece, data);
}

int Explode(vx::Entity e, vx::ExplodeCallback callback, std::intptr_t data) {
  if (!IsCurvedKind(KindOf(e, kOp))) return 0;  // already simple, or a container
  const std::optional<Shape> shape = MeasurableShapeOf(e, kOp);
  if (!shape) return 0;
  const double tolerance = tol::kExplodeChordRelative * std::max(shape->Bounds().Size(), tol::kTiny);
  for (const auto& chain : shape->Chains(tolerance))
    for (const auto& portion : Portions(chain)) Hand(e, portion, callback, data);
  return 1;
}

}  // namespace

}  // namespace vxh

namespace vx {

extern "C" int KVAPI EExplode(Entity entity, ExplodeCallback callback, std::intptr_t data) {
  vxh::Required(entity, "EExplode", "entity");
  vxh::Required(callback, "EExplode", "callback");
  return vxh::Explode(entity, callback, data);
}

}  // namespace vx
