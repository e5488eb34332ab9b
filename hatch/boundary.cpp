#include "hatch/boundary.h"

#include "hatch/hatch_state.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vx {

namespace {

bool IsCurved(int kind) {
  return kind == kKindEllipse || kind == kKindEllipticalArc || kind == kKindCurvePath || kind == kKindClosedCurve ||
         kind == kKindBezier;
}

struct ExplodeTarget {
  DList* boundary;
  DList* work;
};

int CopyPiece(Entity piece, std::intptr_t data) {
  const auto& target = *reinterpret_cast<const ExplodeTarget*>(data);
  target.boundary->CopyIn(piece);
  target.work->Free(piece);
  return 0;
}

int RotateOne(DList*, Entity entity, std::intptr_t matrix, std::intptr_t box) {
  Entity turned = ETran(entity, reinterpret_cast<const double*>(matrix));
  EXCheck(turned, reinterpret_cast<void*>(box));
  return 0;
}

}  // namespace

int CollectBoundary(DList* list, Entity entity, std::intptr_t rotation, std::intptr_t box) {
  if ((EInfo(entity, 1) & kInfoPlainMask) == kInfoPlain) {
    DList* boundary = Hatch().boundary;
    Entity copy = boundary->CopyIn(entity);
    if (rotation != 0) copy = ETran(copy, reinterpret_cast<const double*>(rotation));
    EXCheck(copy, reinterpret_cast<void*>(box));
    if (IsCurved(GetI8(copy, kHdrKind))) {
      ExplodeTarget target{boundary, GetWorkDL()};
      if (EExplode(copy, &CopyPiece, reinterpret_cast<std::intptr_t>(&target)) != 0) boundary->Free(copy);
    }
    return 0;
  }
  if (DList* members = list->MemberList(entity)) members->Walk(&CollectBoundary, kWalkAll, rotation, box);
  return 0;
}

void BuildRotation(double angle, double* matrix) {
  CTMI2();
  CTMR2(angle);
  STCTM(matrix);
}

void RotateBoundary(FillContext& context, double angle) {
  double matrix[16];
  BuildRotation(angle, matrix);
  PutU32(context.box, kBoxValid, 0);
  context.boundary->Walk(&RotateOne, kWalkAll, reinterpret_cast<std::intptr_t>(matrix),
                         reinterpret_cast<std::intptr_t>(context.box));
  context.index_built = false;
}

}  // namespace vx
