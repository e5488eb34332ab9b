#include "hatch/boundary.h"

#include "hatch/hatch_state.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/message_boxes.h"
#include "host/record.h"

namespace vx {

DList* CreateBoundaryList() {
  DList* list = CreateDList(kBoundaryListName, kTempListMode);
  if (list == nullptr) ShowError(kNoBoundaryListText);
  return list;
}

DList* CreateSecondList(const char* name) {
  DList* list = CreateDList(name, kTempListMode);
  if (list == nullptr) ShowError(kNoSecondListText);
  return list;
}

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

// The placement of a symbol's members: the instance transform (three rows of
// four doubles), then `outer` when given.
void SymbolPlacement(Entity symbol, std::intptr_t outer, double* placement) {
  double rows[kSymMatrixDoubles];
  for (std::size_t i = 0; i < kSymMatrixDoubles; ++i) rows[i] = GetF64(symbol, kSymMatrix + 8 * i);
  CTMPSH();
  CTMI2();
  LDSymTM(rows);
  if (outer != 0) CTMMUL2(reinterpret_cast<const double*>(outer));
  STCTM(placement);
  CTMPOP();
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
  DList* members = list->MemberList(entity);
  if (members == nullptr) return 0;
  // A symbol's members are kept where the symbol was defined; they bound the
  // area where the instance places them.
  if (GetI8(entity, kHdrKind) == kKindSymbol && GetU32(entity, kHdrSize) >= kSymName) {
    double placement[16];
    SymbolPlacement(entity, rotation, placement);
    members->Walk(&CollectBoundary, kWalkAll, reinterpret_cast<std::intptr_t>(placement), box);
    return 0;
  }
  members->Walk(&CollectBoundary, kWalkAll, rotation, box);
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
