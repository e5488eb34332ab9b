// Records built from pieces: what split and explode hand out. Each takes its
// header (layer, styles, attributes) from the entity it came from.
#pragma once

#include <cstdint>
#include <vector>

#include "headless/geometry/piece.h"
#include "host/kv_types.h"

namespace vxh {

using RecordBytes = std::vector<std::uint8_t>;

// A zero-filled record of the kind and size with the source's header.
RecordBytes RecordLike(vx::Entity source, int kind, std::uint32_t size);

RecordBytes LineRecord(vx::Entity source, const P2& a, const P2& b);
// A path (3) through the points; none fits past 65535 points.
RecordBytes PathRecord(vx::Entity source, const std::vector<P2>& points);
RecordBytes ArcRecord(vx::Entity source, const Piece& circular_arc);
RecordBytes EllipticalArcRecord(vx::Entity source, const Piece& arc);
// A curve path (26) of the type with the points; byte 33 is the source's
// when it is a curve too.
RecordBytes CurveRecord(vx::Entity source, int type, const std::vector<P2>& points);
RecordBytes BezierRecord(vx::Entity source, const std::vector<P2>& points);

// The control points of pieces joined end to end as cubic Bézier segments
// (3n + 1 points; lines become straight cubics).
std::vector<P2> BezierPoints(const std::vector<Piece>& pieces);
// The vertices of joined straight pieces; exact repeats in a row once.
std::vector<P2> ChainVertices(const std::vector<Piece>& pieces);

}  // namespace vxh
