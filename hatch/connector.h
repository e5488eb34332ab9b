// Whether a straight connector between two hatch segments of a smart hatch
// is free of the boundary: the test that decides which segments of
// neighbouring scan lines belong to one area.
#pragma once

#include <vector>

#include "hatch/box_grid.h"
#include "host/kv_types.h"

namespace vx {

// Named apart from the cut family's connector, which is another thing.
struct AreaConnector {
  double from[2];
  double to[2];
  // A horizontal connector at this y (the overlap test) first asks lines and
  // path edges to straddle it; the general one does not.
  bool horizontal = false;
};

struct StraightEdge {
  double a[2];
  double b[2];
};

// The connector's box widened by far more than rounding moves a computed
// crossing. A straight edge whose box stays outside it does not cross: near
// parallel edges far along the connector's line would otherwise pass the
// parameter test on rounding noise alone.
GridBox ConnectorReach(const AreaConnector& connector);

GridBox EdgeBox(const StraightEdge& edge);

// `reach` is ConnectorReach(connector).
bool EdgeCrosses(const AreaConnector& connector, const GridBox& reach, const StraightEdge& edge);

// Lines, paths and polygons are straight edges; every other kind is met
// through the host's intersection operation.
bool IsStraightKind(int kind);

// Appends the edges of a line, path or polygon record, in order; a path or
// polygon record shorter than its vertex count claims has none.
void AppendStraightEdges(Entity entity, std::vector<StraightEdge>& out);

// Any other entity against the connector, through the host.
bool OtherCrosses(Entity entity, const AreaConnector& connector);

// True when some entity of the boundary list crosses the connector, asking
// every entity in list order and stopping at the first that crosses. The
// smart hatch asks a ConnectorIndex instead, which must agree with this.
bool ConnectorBlocked(DList* boundary, const AreaConnector& connector);

}  // namespace vx
