// Checked access to the records the geometry operations read and change: the
// kind, the size the kind needs, vertices, and the members of containers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "headless/geometry/matrix.h"
#include "headless/geometry/plane.h"
#include "host/kv_types.h"

namespace vxh {

int KindOf(vx::Entity entity, const char* operation);
std::string KindName(int kind);

// HostFault naming the operation when the record is shorter than `bytes`.
void RequireBytes(vx::Entity entity, std::uint32_t bytes, const char* operation);

// A counted array of points (a 16-bit count at `count_offset`, the points
// from `points_offset`), checked against the record size that `size_of`
// gives for the count.
std::vector<P2> CountedPoints(vx::Entity entity, std::size_t count_offset, std::size_t points_offset,
                              std::uint32_t (*size_of)(std::uint32_t), const char* operation);

// Vertices of a path (3) or polygon (4), checked against the record size.
std::vector<P2> PolyVertices(vx::Entity entity, const char* operation);
void SetPolyVertex(vx::Entity entity, std::size_t index, const P2& p);

P2 ReadPoint(vx::Entity entity, std::size_t x_offset);
void WritePoint(vx::Entity entity, std::size_t x_offset, const P2& p);

// Groups, symbols, glyph containers and the composite kinds keep their
// geometry in a member list.
bool IsContainerKind(int kind);
// The transform that carries a symbol's members, which sit in the
// definition's coordinates, to where the instance is shown. HostFault when the
// record is too short to hold it.
Matrix InstanceTransform(vx::Entity symbol, const char* operation);

// Visits the members of a container entity of the headless host.
void ForEachMember(vx::Entity container, const char* operation, const std::function<void(vx::Entity)>& visit);

}  // namespace vxh
