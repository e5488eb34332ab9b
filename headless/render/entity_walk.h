// The entities a picture shows: those of the working list on layers that are
// neither hidden nor frozen, containers opened to their members, each with
// the transform that carries it to the drawing.
#pragma once

#include <functional>

#include "headless/geometry/matrix.h"
#include "host/kv_types.h"

namespace vxh {

class EntityList;
class PictureStyles;

using PlacedVisitor = std::function<void(vx::Entity entity, const Matrix& placement)>;
// A group carrying a fill style fills the region its members' closed
// outlines enclose together (islands stay clear), as a hatch of several
// boundary loops does; it is visited before its members.
using FilledGroupVisitor = std::function<void(vx::Entity group, const EntityList& members, const Matrix& placement)>;

// Groups, glyph containers and the composite kinds pass their placement on
// to their members; a symbol's members are in the definition's coordinates
// and are placed by the instance transform first. A member on a hidden layer
// is left out like any other entity; so are containers nested deeper than
// any drawing needs, and symbols too short for their transform.
void VisitPlaced(const EntityList& list, const PictureStyles& styles, const PlacedVisitor& visit,
                 const FilledGroupVisitor& filled_group = nullptr);

}  // namespace vxh
