// The geometry kernel under load: intersections of a line with a large
// polygon, and the per-call cost of EGet and ETran.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "headless/geometry/matrix.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "tests/support/records.h"

namespace {

std::vector<std::uint8_t> Star(int vertices) {
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i < vertices; ++i) {
    const double a = 6.283185307179586 * i / vertices, radius = i % 2 == 0 ? 100 : 90;
    points.emplace_back(radius * std::cos(a), radius * std::sin(a));
  }
  return vxtest::Poly(vx::kKindPolygon, points);
}

void BM_FindAllIntsLineWith10000VertexPolygon(benchmark::State& state) {
  auto polygon = Star(10000);
  auto line = vxtest::Line(-200, 3, 200, 7);
  double* points = nullptr;
  for (auto _ : state) benchmark::DoNotOptimize(vx::FindAllInts(line.data(), polygon.data(), &points));
}
BENCHMARK(BM_FindAllIntsLineWith10000VertexPolygon)->Unit(benchmark::kMicrosecond);

void BM_EGetPointOnEllipse(benchmark::State& state) {
  std::vector<std::uint8_t> e = vxtest::Ellipse(0, 0, 5, 2, 0);
  double t = 0.3, out[2];
  for (auto _ : state) {
    benchmark::DoNotOptimize(vx::EGet(e.data(), vx::kQueryPointAt, &t, out));
  }
}
BENCHMARK(BM_EGetPointOnEllipse)->Iterations(1000000);

void BM_EGetParamOnLine(benchmark::State& state) {
  auto line = vxtest::Line(0, 0, 10, 3);
  const double p[2] = {4, 1};
  double t = 0;
  for (auto _ : state) benchmark::DoNotOptimize(vx::EGet(line.data(), vx::kQueryParamOf, p, &t));
}
BENCHMARK(BM_EGetParamOnLine)->Iterations(1000000);

void BM_ETranLine(benchmark::State& state) {
  auto line = vxtest::Line(0, 0, 10, 3);
  double m[16];
  vxh::StoreMatrix(vxh::RotationZ(1e-6), m);
  for (auto _ : state) benchmark::DoNotOptimize(vx::ETran(line.data(), m));
}
BENCHMARK(BM_ETranLine)->Iterations(1000000);

}  // namespace
