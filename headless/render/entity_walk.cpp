#include "headless/render/entity_walk.h"

#include "headless/drawing/document.h"
#include "headless/geometry/entity_access.h"
#include "headless/render/picture_styles.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

namespace {

constexpr int kDeepestNesting = 64;

struct Visitors {
  const PlacedVisitor& entity;
  const FilledGroupVisitor& filled_group;
};

void Visit(const EntityList& list, const PictureStyles& styles, const Matrix& placement, int depth,
           const Visitors& visit) {
  list.ForEach([&](vx::Entity e) {
    if (!styles.LayerVisible(vx::GetU16(e, vx::kHdrLayer))) return;
    const int kind = vx::GetI8(e, vx::kHdrKind);
    if (!IsContainerKind(kind)) return visit.entity(e, placement);
    const EntityList* members = list.Members(e);
    if (members == nullptr || depth >= kDeepestNesting) return;
    if (kind == vx::kKindGroup && vx::GetU16(e, vx::kHdrFillStyle) != 0 && visit.filled_group)
      visit.filled_group(e, *members, placement);
    if (kind != vx::kKindSymbol) return Visit(*members, styles, placement, depth + 1, visit);
    if (vx::GetU32(e, vx::kHdrSize) < vx::kSymName) return;
    Visit(*members, styles, Compose(InstanceTransform(e, "picture"), placement), depth + 1, visit);
  });
}

}  // namespace

void VisitPlaced(const EntityList& list, const PictureStyles& styles, const PlacedVisitor& visit,
                 const FilledGroupVisitor& filled_group) {
  Visit(list, styles, Identity(), 0, Visitors{visit, filled_group});
}

}  // namespace vxh
