#include "headless/geometry/conic_transform.h"

#include <cmath>
#include <cstring>

#include "headless/drawing/entity_list.h"
#include "headless/drawing/loose_record.h"
#include "headless/geometry/curve_records.h"
#include "headless/geometry/entity_access.h"
#include "headless/tolerances.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

namespace {

constexpr const char* kOp = "ETran";

bool IsArcKind(int kind) { return kind == vx::kKindArc || kind == vx::kKindEllipticalArc; }

Piece PieceOf(vx::Entity e, int kind) {
  if (kind == vx::kKindCircle || kind == vx::kKindArc) {
    RequireBytes(e, kind == vx::kKindArc ? vx::kArcSize : vx::kCircleSize, kOp);
    const double sweep = kind == vx::kKindArc ? vx::GetF64(e, vx::kArcSweep) : kTwoPi;
    const double start = kind == vx::kKindArc ? vx::GetF64(e, vx::kArcStart) : 0;
    return Piece::CircleArc(ReadPoint(e, vx::kCircleX), vx::GetF64(e, vx::kCircleR), start, sweep);
  }
  return EllipsePiece(ReadEllipse(e, kOp));
}

bool IsRound(const EllipseShape& s) { return std::fabs(s.major - s.minor) <= tol::kSimilarity * s.major; }

// A record of the new kind and size with the old one's header, standing
// where the old one stood.
vx::Entity Replacement(vx::Entity old, int kind, std::uint32_t size) {
  EntityNode* node = NodeOf(old, kOp);
  // Resizing a record of a list may free its node: ask about the owner first.
  const bool owned = node->owner != nullptr;
  vx::Entity fresh = owned ? node->owner->Resize(old, size) : NewLooseRecord(size);
  if (!owned) std::memcpy(fresh, old, vx::kHeaderBytes);
  std::memset(fresh + vx::kHeaderBytes, 0, size - vx::kHeaderBytes);
  vx::PutU32(fresh, vx::kHdrSize, size);
  vx::PutI8(fresh, vx::kHdrKind, static_cast<std::int8_t>(kind));
  return fresh;
}

void WriteCircle(vx::Entity e, const EllipseShape& s, bool arc) {
  WritePoint(e, vx::kCircleX, s.centre);
  vx::PutF64(e, vx::kCircleR, s.major);
  if (!arc) return;
  // Equal axes: the parametric angle is the direction from the rotation on.
  vx::PutF64(e, vx::kArcStart, NormalizeAngle(s.rotation + s.start));
  vx::PutF64(e, vx::kArcSweep, s.sweep);
}

}  // namespace

vx::Entity TransformConic(vx::Entity e, const Matrix& m) {
  const int kind = KindOf(e, kOp);
  const bool arc = IsArcKind(kind);
  const bool circle_kind = kind == vx::kKindCircle || kind == vx::kKindArc;
  const Piece before = PieceOf(e, kind);
  EllipseShape image = EllipseOfPiece(before.Transformed(m));
  if (arc && (image.sweep < 0) != (before.sweep < 0)) {
    // Mirrored: the same arc travelled from its other end keeps the sweep's sign.
    image.start = NormalizeAngle(image.start + image.sweep);
    image.sweep = -image.sweep;
  }
  const bool round = circle_kind ? IsPlaneSimilarity(m) : !IsPlaneSimilarity(m) && IsRound(image);
  if (round) {
    if (!circle_kind) e = Replacement(e, arc ? vx::kKindArc : vx::kKindCircle, arc ? vx::kArcSize : vx::kCircleSize);
    WriteCircle(e, image, arc);
    return e;
  }
  if (circle_kind)
    e = Replacement(e, arc ? vx::kKindEllipticalArc : vx::kKindEllipse, arc ? vx::kEllArcSize : vx::kEllipseSize);
  WriteEllipse(e, image);
  return e;
}

}  // namespace vxh
