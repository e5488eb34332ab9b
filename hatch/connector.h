// Whether a straight connector between two hatch segments of a smart hatch
// is free of the boundary: the test that decides which segments of
// neighbouring scan lines belong to one area.
#pragma once

#include "host/kv_types.h"

namespace vx {

struct Connector {
  double from[2];
  double to[2];
  // A horizontal connector at this y (the overlap test) first asks lines and
  // path edges to straddle it; the general one does not.
  bool horizontal = false;
};

// True when some entity of the boundary list crosses the connector. The walk
// stops at the first entity that crosses.
bool ConnectorBlocked(DList* boundary, const Connector& connector);

}  // namespace vx
