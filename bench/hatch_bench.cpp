// Fill engine throughput: a closed 10,000-vertex polygon with 20 circular
// holes, hatched with a continuous and a dashed PAT pattern (each around
// 10,000 to 20,000 segments), with the x index and, for comparison, with the
// plain walk over the whole boundary for every scan line.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "hatch/boundary.h"
#include "hatch/hatch_pattern.h"
#include "hatch/hatch_state.h"
#include "hatch/registry_keys.h"
#include "headless/drawing/document.h"
#include "headless/registry/registry_store.h"
#include "headless/session/session.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "tests/support/records.h"

namespace {

using Record = std::vector<std::uint8_t>;

constexpr int kOuterVertices = 10'000;
constexpr int kHoles = 20;
constexpr double kRadius = 50;

Record OuterPolygon() {
  std::vector<std::pair<double, double>> rim;
  for (int i = 0; i < kOuterVertices; ++i) {
    const double a = 2 * M_PI * i / kOuterVertices;
    const double radius = kRadius * (1 + 0.03 * std::sin(37 * a));  // a wavy rim
    rim.emplace_back(radius * std::cos(a), radius * std::sin(a));
  }
  return vxtest::Poly(vx::kKindPolygon, rim);
}

std::vector<Record> Boundary() {
  std::vector<Record> out{OuterPolygon()};
  for (int h = 0; h < kHoles; ++h) {
    const double a = 2 * M_PI * h / kHoles;
    const double d = h % 2 == 0 ? 20 : 35;
    out.push_back(vxtest::Circle(d * std::cos(a), d * std::sin(a), 3));
  }
  return out;
}

// A session with a scratch registry holding the pattern, for one benchmark:
// only one session may exist at a time, and the other benchmarks make theirs.
struct Bench {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "vorlix-hatch-bench";
  std::ostringstream transcript;
  std::unique_ptr<vxh::Session> session;
  std::vector<Record> boundary = Boundary();

  Bench() {
    std::filesystem::create_directories(dir);
    const std::string registry = (dir / "registry.sqlite3").string();
    std::filesystem::remove(registry);
    std::ofstream(dir / "bench.pat") << "*Solid\n30, 0,0, 0,0.02\n*Dashed\n30, 0,0, 0.5,0.2, 1,-1\n";
    vxh::registry::Store(registry).Set(vx::kPatFilesKey, (dir / "bench.pat").string(), 3, {});
    session = std::make_unique<vxh::Session>(transcript, vxh::SessionOptions{registry, "", "", ""});
  }
};

// Fills the boundary once; returns the number of segments made.
long FillOnce(const std::vector<Record>& boundary, const char* pattern, vx::ScanMode mode) {
  vx::HatchState& hatch = vx::Hatch();
  hatch.options = vx::DefaultHatchOptions();
  hatch.options.SetPatternKind(vx::kKindPatFile);
  hatch.options.SetPatName(pattern);
  hatch.prepared = vx::DefaultHatchSettings();
  hatch.prepared.SetAngle(0);
  vx::DList* list = vx::CreateDList("~HatchBorder.kvd", 2);
  std::uint8_t box[vx::kBoxBytes] = {};
  double into[16];
  vx::BuildRotation(vx::kRightAngle, into);
  for (const Record& r : boundary) vx::EXCheck(vx::ETran(list->AddRecord(r.data()), into), box);
  hatch.boundary = list;
  vx::DList* dest = vx::CreateDList("~Lines.kvd", 2);
  vx::FillContext context(list, box, mode);
  const long segments = vx::HatchPattern(dest, context, nullptr);
  dest->Release();
  list->Release();
  hatch.boundary = nullptr;
  return segments;
}

void RunFill(benchmark::State& state, const char* pattern, vx::ScanMode mode, double scan_lines) {
  const Bench bench;
  long segments = 0;
  for (auto _ : state) segments = FillOnce(bench.boundary, pattern, mode);
  state.counters["segments"] = static_cast<double>(segments);
  state.counters["segments/s"] = benchmark::Counter(
      static_cast<double>(segments) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["s/scanline"] = benchmark::Counter(scan_lines * static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The pattern's family lies at 30 degrees; its lines cross about 2 x 51.5 units.
constexpr double kWidth = 2 * kRadius * 1.03;

void BM_HatchContinuousIndexed(benchmark::State& s) { RunFill(s, "Solid", vx::ScanMode::kIndexed, kWidth / 0.02); }
void BM_HatchDashedIndexed(benchmark::State& s) { RunFill(s, "Dashed", vx::ScanMode::kIndexed, kWidth / 0.2); }
void BM_HatchDashedPlainWalk(benchmark::State& s) { RunFill(s, "Dashed", vx::ScanMode::kPlainWalk, kWidth / 0.2); }

BENCHMARK(BM_HatchContinuousIndexed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HatchDashedIndexed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HatchDashedPlainWalk)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
