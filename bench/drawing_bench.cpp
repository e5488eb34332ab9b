// Drawing lists at the sizes a large drawing reaches: walks, additions,
// undo of a big step and the .kvd file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/kvd/kvd_file.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/support/records.h"

namespace {

void Fill(vx::DList* list, int count) {
  std::vector<std::uint8_t> line = vxtest::Line(0, 0, 0, 0);
  for (int i = 0; i < count; ++i) {
    vx::PutF64(line.data(), vx::kLineX1, i);
    list->AddRecord(line.data());
  }
}

int SumX(vx::DList*, vx::Entity e, std::intptr_t sum, std::intptr_t) {
  *reinterpret_cast<double*>(sum) += vx::GetF64(e, vx::kLineX1);
  return 0;
}

void BM_WalkMillion(benchmark::State& state) {
  vxh::Document doc;
  Fill(doc.WorkDL(), 1000000);
  for (auto _ : state) {
    double sum = 0;
    doc.WorkDL()->Walk(SumX, static_cast<int>(state.range(0)), reinterpret_cast<std::intptr_t>(&sum));
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_WalkMillion)->Arg(vx::kWalkAll)->Arg(vx::kWalkSelectedVisible)->Unit(benchmark::kMillisecond);

void BM_AddMillionLines(benchmark::State& state) {
  for (auto _ : state) {
    auto doc = std::make_unique<vxh::Document>();
    Fill(doc->WorkDL(), 1000000);
    benchmark::DoNotOptimize(doc->Work().Count());
    state.PauseTiming();  // tearing the drawing down is not part of adding
    doc.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_AddMillionLines)->Unit(benchmark::kMillisecond);

int Change(vx::DList* list, vx::Entity e, std::intptr_t, std::intptr_t) {
  vx::Entity opened = list->OpenForChange(e);
  vx::PutF64(opened, vx::kLineY1, 1.0);
  list->Commit(opened);
  return 0;
}

void BM_UndoStepOf100k(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<vxh::Document>();
    Fill(doc->WorkDL(), 100000);
    doc->WorkDL()->UndoMark();
    doc->WorkDL()->Walk(Change, vx::kWalkAll);
    state.ResumeTiming();
    benchmark::DoNotOptimize(doc->Undo());
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_UndoStepOf100k)->Unit(benchmark::kMillisecond);

const std::string kBenchFile = "/tmp/vorlix_drawing_bench.kvd";

void BM_SaveMillion(benchmark::State& state) {
  vxh::Document doc;
  Fill(doc.WorkDL(), 1000000);
  for (auto _ : state) vxh::SaveKvd(doc, kBenchFile);
  state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_SaveMillion)->Unit(benchmark::kMillisecond);

void BM_LoadMillion(benchmark::State& state) {
  {
    vxh::Document doc;
    Fill(doc.WorkDL(), 1000000);
    vxh::SaveKvd(doc, kBenchFile);
  }
  for (auto _ : state) {
    auto doc = vxh::LoadKvd(kBenchFile);
    benchmark::DoNotOptimize(doc->Work().Count());
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  std::remove(kBenchFile.c_str());
  state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_LoadMillion)->Unit(benchmark::kMillisecond);

}  // namespace
