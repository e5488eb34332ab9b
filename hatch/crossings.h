// Crossings of one scan line with boundary entities. Lines, open paths and
// closed polygons are handled edge by edge; every other kind through the
// host's FindAllInts.
#pragma once

#include <cstdint>

#include "hatch/crossing_buffer.h"
#include "hatch/scan_line.h"
#include "host/kv_types.h"

namespace vx {

// One straight edge from a to b. An edge with one end exactly on the scan
// line is a vertex hit; an edge lying on the scan line gives nothing; any
// other edge crosses when (a.x < X) equals (b.x > X). `within_edge`: the
// meeting point must also lie on the edge (parameter in [0, 1]), as for the
// edges of closed polygons.
void EdgeCrossings(const double* a, const double* b, const ScanLine& scan, bool within_edge, CrossingBuffer& out);

// A boundary entity of any other kind whose extents run from min_x to max_x.
void OtherCrossings(Entity entity, double min_x, double max_x, const ScanLine& scan, CrossingBuffer& out);

// True for the kinds handled edge by edge.
bool HasStraightEdges(int kind);

// The plain walk: a walk callback over the boundary list that adds the
// crossings of every entity with the scan line (a: ScanLine*, b: CrossingBuffer*).
int CollectCrossings(DList* list, Entity entity, std::intptr_t a, std::intptr_t b);

}  // namespace vx
