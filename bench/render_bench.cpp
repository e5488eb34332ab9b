// A large drawing as a picture: 100,000 lines and circles to PNG.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/render/render.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace {

std::vector<std::uint8_t> LineRecord(double x1, double y1, double x2, double y2) {
  std::vector<std::uint8_t> r(vx::kLineSize, 0);
  vx::PutU32(r.data(), vx::kHdrSize, vx::kLineSize);
  vx::PutI8(r.data(), vx::kHdrKind, vx::kKindLine);
  vx::PutF64(r.data(), vx::kLineX1, x1);
  vx::PutF64(r.data(), vx::kLineY1, y1);
  vx::PutF64(r.data(), vx::kLineX2, x2);
  vx::PutF64(r.data(), vx::kLineY2, y2);
  return r;
}

std::vector<std::uint8_t> CircleRecord(double x, double y, double r) {
  std::vector<std::uint8_t> c(vx::kCircleSize, 0);
  vx::PutU32(c.data(), vx::kHdrSize, vx::kCircleSize);
  vx::PutI8(c.data(), vx::kHdrKind, vx::kKindCircle);
  vx::PutF64(c.data(), vx::kCircleX, x);
  vx::PutF64(c.data(), vx::kCircleY, y);
  vx::PutF64(c.data(), vx::kCircleR, r);
  return c;
}

void BM_Render100kToPng(benchmark::State& state) {
  vxh::Document doc;
  for (int i = 0; i < 50000; ++i) {
    const double x = i % 250, y = i / 250;
    doc.Work().Append(LineRecord(x, y, x + 0.8, y + 0.6).data());
    doc.Work().Append(CircleRecord(x + 0.5, y + 0.5, 0.3).data());
  }
  const std::string path = (std::filesystem::temp_directory_path() / "vorlix-bench.png").string();
  for (auto _ : state) vxh::RenderDrawing(doc, path);
  state.counters["entities"] = 100000;
  std::filesystem::remove(path);
}
BENCHMARK(BM_Render100kToPng)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
