// The drag engine at the sizes a large selection reaches: one placement drag
// call previewing every selected entity, and committing a move. Both must
// grow linearly with the selection.
#include <benchmark/benchmark.h>

#include <sstream>
#include <vector>

#include "frame/pack_state.h"
#include "headless/drawing/document.h"
#include "headless/screen/screen_log.h"
#include "headless/session/session.h"
#include "headless/session/session_core.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/support/records.h"
#include "transform/drag_drawing.h"
#include "transform/placement_drag.h"
#include "transform/selection_set.h"

namespace {

// A session whose drawing holds `count` selected lines.
struct SelectedLines {
  explicit SelectedLines(int count) : session(transcript) {
    vxh::EntityList& work = session.Doc().Work();
    for (int i = 0; i < count; ++i) work.SetSelected(work.Append(vxtest::Line(i, 0, i + 1.0, 0).data()), true);
  }
  std::ostringstream transcript;
  vxh::Session session;
};

void PreviewSelection(vx::DragView* view, const vx::StoredMatrix& m) { vx::PreviewSelection(view, m); }

void BM_PlacementDragCall(benchmark::State& state) {
  SelectedLines drawing(static_cast<int>(state.range(0)));
  vx::CollectSelection(true);
  vx::PlacementState placement;
  vx::StartPlacement(placement, {}, {});
  vx::DragView* view = vxh::SessionCore::Active("bench").View().DragView();
  double x = 0;
  for (auto _ : state) {
    vx::SetCursorPoint({x += 1.0, 5.0, 0.0});  // a new point: every call recomputes
    vx::PlacementDrag(view, placement, vx::PlacementVariant::kMoveCopy, PreviewSelection);
    state.PauseTiming();
    vxh::screen::RunningScreen("bench").ForgetFrames();  // the recorded frames would only grow
    state.ResumeTiming();
  }
  vx::RestoreErased();
  vx::FreeSelection();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PlacementDragCall)->Arg(1000)->Arg(10000)->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_CommitMove(benchmark::State& state) {
  SelectedLines drawing(static_cast<int>(state.range(0)));
  vx::PlacementState placement;
  vx::StartPlacement(placement, {}, {});
  double x = 0;
  for (auto _ : state) {
    vx::CollectSelection(true);
    vx::BeginCommitStep();
    vx::CommitInPlace(vx::PlacementMatrix(placement, vx::PlacementVariant::kMoveCopy, {x += 1.0, 0, 0}));
    vx::FreeSelection();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CommitMove)->Arg(10000)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
