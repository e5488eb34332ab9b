// The text commands at the sizes a large drawing reaches: replace over a
// selection of 100,000 texts, the sequence's ordering of 10,000 selected
// texts, and collecting candidates over 100,000 texts. All must grow linearly
// (the sequence by n log n).
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "frame/pack_state.h"
#include "headless/drawing/document.h"
#include "headless/session/session.h"
#include "tests/support/records.h"
#include "text/text_walks.h"

namespace {

// A session whose drawing holds `count` texts "Pos <i>" on a scattered grid.
struct Texts {
  explicit Texts(int count) : session(transcript) {
    vxh::EntityList& work = session.Doc().Work();
    for (int i = 0; i < count; ++i) {
      const double x = (i * 7919) % 1000, y = (i * 104729) % 1000;
      work.Append(vxtest::Text(x, y, 2.5f, 1.0f, 0, "Pos " + std::to_string(i)).data());
    }
  }
  void Run(const std::string& script) {
    session.RunText(script, "bench.vxs");
    transcript.str("");
  }
  std::ostringstream transcript;
  vxh::Session session;
};

void BM_ReplaceSelection(benchmark::State& state) {
  Texts drawing(static_cast<int>(state.range(0)));
  bool forth = true;
  for (auto _ : state) {
    drawing.Run(forth ? "VXTREPLACE;{1038=Pos; 1043=Place; 1045; 1039; press ok};all"
                      : "VXTREPLACE;{1038=Place; 1043=Pos; 1045; 1039; press ok};all");
    forth = !forth;
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReplaceSelection)->Arg(100000)->Iterations(4)->Unit(benchmark::kMillisecond);

void BM_SequenceSelectionByY(benchmark::State& state) {
  Texts drawing(static_cast<int>(state.range(0)));
  for (auto _ : state) drawing.Run("VXTSEQ;{1064; 1065=\"Last number\"; 1039; 1044; press ok};all");
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SequenceSelectionByY)->Arg(10000)->Arg(100000)->Iterations(4)->Unit(benchmark::kMillisecond);

bool AnyText(const char* s) { return s != nullptr; }
vx::Entity NoChange(vx::DList*, vx::Entity e, vx::Entity) { return e; }
const vx::TextCommand kEveryText{.matches = &AnyText, .change = &NoChange, .pick_change = &NoChange};

void BM_CollectCandidates(benchmark::State& state) {
  Texts drawing(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    vx::CollectCandidates(kEveryText, vx::kWalkAll);
    benchmark::DoNotOptimize(vx::Text().candidates.data());
  }
  vx::ClearCandidates(vx::Text().candidates);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CollectCandidates)->Arg(100000)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
