#include "cut/detail_copy.h"

#include <array>
#include <cstdint>

#include "cut/connectors.h"
#include "frame/pack_state.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/line_record.h"
#include "host/record.h"
#include "transform/placement_drag.h"
#include "transform/selection_set.h"
#include "transform/transform_requests.h"

namespace vx {

namespace {

constexpr char kPlacePrompt[] = "Place at (CTRL = scale):";

CutState& State() { return Pack().cut.cut; }
bool DrawsBoundary() { return State().settings.draw_boundary != 0; }
bool OwnBoundary() { return State().settings.boundary != kBoundaryExisting; }

// The connectors for the boundary carried by the matrix, through a temporary
// copy of the boundary in the list at hand.
std::vector<Connector> ConnectorsUnder(DList* list, const StoredMatrix& m) {
  const Entity boundary = State().boundary;
  Entity copy = list->AddRecord(boundary);
  copy = ETran(copy, m.data());
  std::vector<Connector> out = ConnectorsOf(boundary, copy);
  list->Free(copy);
  return out;
}

struct PreviewContext {
  DragView* view;
  const StoredMatrix* matrix;
};

int PreviewPiece(DList* list, Entity piece, std::intptr_t context, std::intptr_t) {
  const auto* c = reinterpret_cast<const PreviewContext*>(context);
  PreviewEntity(list, piece, c->view, *c->matrix);
  return 0;
}

void PreviewDetail(DragView* view, const StoredMatrix& m) {
  CutState& s = State();
  if (s.copy_list == nullptr) return;
  PreviewContext context{view, &m};
  s.copy_list->Walk(PreviewPiece, kWalkAll, reinterpret_cast<std::intptr_t>(&context));
  if (!DrawsBoundary()) return;
  if (OwnBoundary()) EDrawM(view, s.boundary);
  for (const Connector& c : ConnectorsUnder(s.copy_list, m)) {
    const double a[2] = {c.from.x, c.from.y}, b[2] = {c.to.x, c.to.y};
    GetGDraw2()->line(view, a, b);
  }
}

void PieceDrag(DragView* view) { PlacementDrag(view, State().placement, PlacementVariant::kCutPiece, PreviewDetail); }

void Placed(int status);

void AskPlacement() {
  State().place_point = {};
  ReqData(kReqPoint2, State().place_point.data(), kPlacePrompt, DragMode(PieceDrag), Placed, kReqAcceptNumber,
          kPlacementHelp);
}

struct CommitContext {
  DList* work;
  const StoredMatrix* matrix;
};

int CommitPiece(DList*, Entity piece, std::intptr_t context, std::intptr_t) {
  const auto* c = reinterpret_cast<const CommitContext*>(context);
  Entity placed = ETran(c->work->CopyIn(piece), c->matrix->data());
  EDraw(0, placed);
  c->work->Commit(placed);
  SetNewTag(placed);
  return 0;
}

void AddConnector(DList* work, const Connector& c) {
  LineRecord line = MakeLineRecord(c.from.x, c.from.y, c.to.x, c.to.y);
  SetCStuff(line.data());
  const Entity added = work->AddRecord(line.data());
  work->Commit(added);
  EDraw(0, added);
}

void CommitDetail(const StoredMatrix& m) {
  CutState& s = State();
  DList* work = GetWorkDL();
  CommitContext context{work, &m};
  s.copy_list->Walk(CommitPiece, kWalkAll, reinterpret_cast<std::intptr_t>(&context));
  if (DrawsBoundary()) {
    if (OwnBoundary()) {
      SetCStuff(s.boundary);
      const Entity added = work->AddRecord(s.boundary);
      work->Commit(added);
      EDraw(0, added);
    }
    for (const Connector& c : ConnectorsUnder(work, m)) AddConnector(work, c);
  }
  ShowChanges();
}

void EndPlacing() {
  CutState& s = State();
  if (s.copy_list != nullptr) s.copy_list->Release();
  s.copy_list = nullptr;
  CmdEnd();
}

void Placed(int status) {
  CutState& s = State();
  if (status == kStatusNumber) {
    const double typed = s.place_point[0];
    TakeTypedScale(s.placement, typed);
    // The scale typed here is also the dialog's default for the next run.
    if (typed > kSmallestTypedScale) s.settings.default_scale = typed;
    return AskPlacement();
  }
  if (status == kStatusAnswered) {
    CommitDetail(CommittedPlacement(s.placement, PlacementVariant::kCutPiece, s.place_point));
  }
  EndPlacing();
}

}  // namespace

void StartDetailCopy(const Vec3& from) {
  CutState& s = State();
  StartPlacement(s.placement, from, Vec3{});
  s.placement.scale = s.settings.default_scale;
  AskPlacement();
}

}  // namespace vx
