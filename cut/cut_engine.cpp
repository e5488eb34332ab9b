#include "cut/cut_engine.h"

#include <vector>

#include "cut/cut_boundary.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/layer_helpers.h"
#include "host/point_types.h"
#include "host/record.h"

namespace vx {

namespace {

struct CutRun {
  const CutSettings* settings;
  Entity boundary;
  Extents extent;
  DList* copy_list;
};

using Crossings = std::vector<Point3>;

bool IsCopy(const CutRun& run) { return run.settings->operation == kCutCopy; }

void Dispose(const CutRun& run, DList* list, Entity e, CutAction action) {
  const int op = run.settings->operation;
  switch (DispositionOf(op, run.settings->keep, action)) {
    case Disposition::kUntouched:
      if (op == kCutDelete) list->Unmark(e);
      EDraw(0, e);
      if (op == kCutSelect) list->Unmark(e);
      return;
    case Disposition::kDiscard:
      if (op == kCutCopy) return run.copy_list->Free(e);
      if (op == kCutSelect) {
        EDraw(0, e);
        return list->Unmark(e);
      }
      list->Unmark(e);
      EErase(0, e);
      return list->Remove(e);
    case Disposition::kKeep:
      if (op == kCutDelete) return EDraw(0, e);
      if (op == kCutSelect) {
        EMark(0, e);
        list->Commit(e);
      }
      return;
  }
}

bool Inside(const CutRun& run, Entity e) {
  Point2 p;
  return TestPointOf(e, p) && BoundaryContains(run.boundary, p);
}

void Classify(const CutRun& run, DList* list, Entity piece) {
  Dispose(run, list, piece, Inside(run, piece) ? kActionInside : kActionOutside);
}

// Splits the piece at every crossing from `next` on; each piece that results
// is tested against all later crossings and classified by its own side.
// A closed entity opens at its first split into one piece that starts there;
// crossings passed over before (its start point, where no split can be made)
// then lie inside that piece and are tried again, or a circle crossed at its
// start would be classified whole by a middle lying on the boundary.
void Split(const CutRun& run, DList* list, Entity piece, Crossings at, std::size_t next) {
  Crossings passed;
  while (next < at.size()) {
    const Point3& point = at[next++];
    const double xyz[3] = {point.x, point.y, point.z};
    double t = 0;
    Entity first = nullptr;
    Entity second = nullptr;
    if (EGet(piece, kQueryParamOf, xyz, &t) == 0 || !(t > 0 && t < 1) || ESplit(piece, t, &first, &second) == 0) {
      passed.push_back(point);
      continue;
    }
    if (first != nullptr && second != nullptr && first != second) Split(run, list, first, at, next);
    if (first == second && !passed.empty()) {
      at.erase(at.begin(), at.begin() + static_cast<std::ptrdiff_t>(next));
      at.insert(at.end(), passed.begin(), passed.end());
      passed.clear();
      next = 0;
    }
    piece = second != nullptr ? second : first;
    if (piece == nullptr) return;
  }
  Classify(run, list, piece);
}

bool NotToBeCut(const CutRun& run, Entity e) {
  const int layer = GetU16(e, kHdrLayer);
  return e == run.boundary || IsLayerHidden(layer) || AskLayerFrozen(layer) != 0 || GetI8(e, kHdrKind) == kKindOpaque;
}

Crossings CrossingsOf(const CutRun& run, Entity e) {
  Crossings out;
  if (GetI8(e, kHdrKind) == kKindSymbol) return out;  // never split: kept or dropped whole
  double* points = nullptr;
  const int n = FindAllInts(e, run.boundary, &points);
  for (int i = 0; i < n; ++i) out.push_back({points[3 * i], points[3 * i + 1], points[3 * i + 2]});
  return out;
}

void CutUncrossed(const CutRun& run, DList* list, Entity e) {
  if (!IsCopy(run)) return Dispose(run, list, e, Inside(run, e) ? kActionInside : kActionOutside);
  if (!Inside(run, e)) return Dispose(run, list, e, kActionNotCut);
  EDraw(0, e);
  Dispose(run, run.copy_list, run.copy_list->CopyIn(e), kActionInside);
}

void CutCrossed(const CutRun& run, DList* list, Entity e, const Crossings& at) {
  if (IsCopy(run)) {
    EDraw(0, e);
    return Split(run, run.copy_list, run.copy_list->CopyIn(e), at, 0);
  }
  EErase(0, e);
  Split(run, list, list->OpenForChange(e), at, 0);
}

int CutEntity(DList* list, Entity e, std::intptr_t context, std::intptr_t) {
  const CutRun& run = *reinterpret_cast<const CutRun*>(context);
  if (GetI8(e, kHdrKind) == kKindGroup) {
    if (DList* members = list->MemberList(e)) {
      EDraw(0, e);
      members->Walk(CutEntity, kWalkAll, context);
      return 0;
    }
  }
  if (NotToBeCut(run, e)) {
    Dispose(run, list, e, kActionNotCut);
    return 0;
  }
  const Extents extent = ExtentsOf(e);
  if (!extent.valid) {
    Dispose(run, list, e, kActionNoExtent);
    return 0;
  }
  if (!Overlap(extent, run.extent)) {
    Dispose(run, list, e, IsCopy(run) ? kActionNotCut : kActionOutside);
    return 0;
  }
  const Crossings at = CrossingsOf(run, e);
  if (at.empty()) {
    CutUncrossed(run, list, e);
  } else {
    CutCrossed(run, list, e, at);
  }
  return 0;
}

void AddDrawnBoundary(const CutSettings& s, Entity boundary, bool own, DList* work, DList* copy_list) {
  if (!own) {
    if (s.operation == kCutCopy) copy_list->CopyIn(boundary);
    return;
  }
  SetCStuff(boundary);
  if (s.operation == kCutCopy) {
    copy_list->Commit(copy_list->AddRecord(boundary));
    return;
  }
  EDraw(0, work->AddRecord(boundary));
}

}  // namespace

Disposition DispositionOf(int operation, int keep, CutAction action) {
  if (action == kActionNoExtent || action == kActionNotCut) return Disposition::kUntouched;
  const bool inside = action == kActionInside;
  const bool kept = operation == kCutCopy ? inside : inside == (keep == kKeepInside);
  return kept ? Disposition::kKeep : Disposition::kDiscard;
}

void CutSelection(const CutSettings& settings, Entity boundary, bool boundary_is_own, DList* copy_list) {
  DList* work = GetWorkDL();
  CutRun run{&settings, boundary, ExtentsOf(boundary), copy_list};
  work->UndoMark();
  if (run.extent.valid) work->Walk(CutEntity, kWalkSelected, reinterpret_cast<std::intptr_t>(&run));
  if (settings.draw_boundary != 0) AddDrawnBoundary(settings, boundary, boundary_is_own, work, copy_list);
}

}  // namespace vx
