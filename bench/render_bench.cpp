// A large drawing as a picture: 100,000 lines and circles to PNG.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/render/render.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/support/records.h"

namespace {

void BM_Render100kToPng(benchmark::State& state) {
  vxh::Document doc;
  for (int i = 0; i < 50000; ++i) {
    const double x = i % 250, y = i / 250;
    doc.Work().Append(vxtest::Line(x, y, x + 0.8, y + 0.6).data());
    doc.Work().Append(vxtest::Circle(x + 0.5, y + 0.5, 0.3).data());
  }
  const std::string path = (std::filesystem::temp_directory_path() / "vorlix-bench.png").string();
  for (auto _ : state) vxh::RenderDrawing(doc, path);
  state.counters["entities"] = 100000;
  std::filesystem::remove(path);
}
BENCHMARK(BM_Render100kToPng)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
