// ETran of circles, arcs, ellipses and elliptical arcs. The image of a
// circle under an affine map is an ellipse; the axes come from the singular
// values of the map's 2x2 part, so the result is exact. A record that must
// change kind (a circle under a non-uniform scale or shear, or an ellipse
// whose image is a circle) is replaced: a record of a list is replaced in
// its place through the list (journaled like a resize); a record outside any
// list gets a new loose record and is itself left as it was. The result is
// the record to use from now on.
#pragma once

#include "headless/geometry/matrix.h"
#include "host/kv_types.h"

namespace vxh {

vx::Entity TransformConic(vx::Entity e, const Matrix& m);

}  // namespace vxh
