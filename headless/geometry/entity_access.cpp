#include "headless/geometry/entity_access.h"

#include "headless/drawing/entity_list.h"
#include "headless/drawing/entity_node.h"
#include "headless/geometry/checked_pointer.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

int KindOf(vx::Entity entity, const char* operation) {
  Required(entity, operation, "entity");
  return vx::GetI8(entity, vx::kHdrKind);
}

std::string KindName(int kind) {
  switch (kind) {
    case vx::kKindPoint: return "point";
    case vx::kKindLine: return "line";
    case vx::kKindPath: return "path";
    case vx::kKindPolygon: return "polygon";
    case vx::kKindText: return "text";
    case vx::kKindCircle: return "circle";
    case vx::kKindArc: return "arc";
    case vx::kKindEllipse: return "ellipse";
    case vx::kKindEllipticalArc: return "elliptical arc";
    case vx::kKindGroup: return "group";
    case vx::kKindOpaque: return "kind-11 entity";
    case vx::kKindSymbol: return "symbol";
    case vx::kKindGlyphContainer: return "glyph container";
    case vx::kKindCurvePath: return "curve path";
    case vx::kKindClosedCurve: return "closed curve";
    case vx::kKindDimLinear:
    case vx::kKindDimRadial:
    case vx::kKindDimArc:
    case vx::kKindDimOrdinate: return "dimension";
    case vx::kKindTextLike: return "text-like entity";
    case vx::kKindArrowComposite: return "arrow composite";
    case vx::kKindContainer: return "container";
    case vx::kKindAttribute: return "attribute";
    case vx::kKindWall: return "wall";
    case vx::kKindBezier: return "Bezier curve";
    default: return "entity of unknown kind " + std::to_string(kind);
  }
}

void RequireBytes(vx::Entity entity, std::uint32_t bytes, const char* operation) {
  const std::uint32_t size = vx::GetU32(entity, vx::kHdrSize);
  if (size < bytes) {
    throw HostFault(std::string(operation) + ": the " + KindName(KindOf(entity, operation)) + " record has " +
                    std::to_string(size) + " bytes, its data needs " + std::to_string(bytes));
  }
}

P2 ReadPoint(vx::Entity entity, std::size_t x_offset) {
  return {vx::GetF64(entity, x_offset), vx::GetF64(entity, x_offset + 8)};
}

void WritePoint(vx::Entity entity, std::size_t x_offset, const P2& p) {
  vx::PutF64(entity, x_offset, p.x);
  vx::PutF64(entity, x_offset + 8, p.y);
}

std::vector<P2> CountedPoints(vx::Entity entity, std::size_t count_offset, std::size_t points_offset,
                              std::uint32_t (*size_of)(std::uint32_t), const char* operation) {
  RequireBytes(entity, size_of(0), operation);
  const std::uint16_t count = vx::GetU16(entity, count_offset);
  RequireBytes(entity, size_of(count), operation);
  std::vector<P2> points(count);
  for (std::size_t i = 0; i < count; ++i) points[i] = ReadPoint(entity, points_offset + i * vx::kVertexBytes);
  return points;
}

std::vector<P2> PolyVertices(vx::Entity entity, const char* operation) {
  return CountedPoints(entity, vx::kPolyCount, vx::kPolyVertices, &vx::PolySize, operation);
}

void SetPolyVertex(vx::Entity entity, std::size_t index, const P2& p) {
  WritePoint(entity, vx::kPolyVertices + index * vx::kVertexBytes, p);
}

bool IsContainerKind(int kind) {
  return kind == vx::kKindGroup || kind == vx::kKindSymbol || kind == vx::kKindGlyphContainer ||
         kind == vx::kKindArrowComposite || kind == vx::kKindContainer;
}

Matrix InstanceTransform(vx::Entity symbol, const char* operation) {
  RequireBytes(symbol, vx::kSymName, operation);
  // The stored matrix holds the three rows that are not 0 0 0 1.
  constexpr int kStoredCells = 12;
  Matrix m = Identity();
  for (int i = 0; i < kStoredCells; ++i) m[i] = vx::GetF64(symbol, vx::kSymMatrix + 8 * i);
  return m;
}

void ForEachMember(vx::Entity container, const char* operation, const std::function<void(vx::Entity)>& visit) {
  const EntityNode* node = NodeOf(container, operation);
  if (node->state.members != nullptr) node->state.members->ForEach(visit);
}

}  // namespace vxh
