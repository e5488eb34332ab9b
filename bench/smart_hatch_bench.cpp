// The two fill methods that work around a place in the drawing, on a room
// plan of 1,984 separate wall lines (a 31 by 31 grid of rooms 4 units wide,
// every wall a line of its own overshooting the walls it meets):
// - the smart hatch of the room around a point, with about 2,000 scan lines
//   across the plan;
// - one paint stroke of the scan/paint hatch across 500 hatch positions,
//   and the same run without the stroke, so the stroke's own cost is the
//   difference.
// The allocation counters show what a run allocates: a count that follows
// the segments made and not the scan lines means nothing is allocated per
// scan line.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "headless/session/session.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "tests/support/records.h"

namespace {

std::atomic<long> g_allocations{0};

}  // namespace

// Counting every allocation of the benchmark program. Kept out of line: the
// compiler would otherwise pair the inlined malloc and free with new and
// delete and warn of a mismatch.
[[gnu::noinline]] void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void* operator new(std::size_t size, std::align_val_t align) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  const std::size_t a = static_cast<std::size_t>(align);
  if (void* p = std::aligned_alloc(a, (size + a - 1) / a * a)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }

namespace {

constexpr int kRooms = 31;          // per side
constexpr double kRoom = 4;         // room width
constexpr double kOvershoot = 0.3;  // each wall beyond the walls it meets
constexpr double kPlanWidth = kRooms * kRoom + 2 * kOvershoot;

struct PlanBench {
  std::filesystem::path registry = std::filesystem::temp_directory_path() / "vorlix-smart-hatch-bench.sqlite3";
  std::ostringstream transcript;
  std::unique_ptr<vxh::Session> session;
  int walls = 0;

  PlanBench() {
    std::filesystem::remove(registry);
    session = std::make_unique<vxh::Session>(transcript, vxh::SessionOptions{registry.string(), "", "", ""});
    vx::DList* work = vx::GetWorkDL();
    for (int i = 0; i <= kRooms; ++i) {
      for (int j = 0; j < kRooms; ++j) {
        const double at = kRoom * i, from = kRoom * j - kOvershoot, to = kRoom * (j + 1) + kOvershoot;
        for (const auto& r : {vxtest::Line(at, from, at, to), vxtest::Line(from, at, to, at)}) {
          work->Commit(work->AddRecord(r.data()));
          ++walls;
        }
      }
    }
  }
  ~PlanBench() { std::filesystem::remove(registry); }

  void Run(const std::string& script) {
    session->RunText(script, "bench.vxs");
    transcript.str("");
  }
};

std::string Number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", v);
  return text;
}

// Runs `script` once per iteration and takes its hatch away again (UNDO,
// not timed).
void RunAndUndo(benchmark::State& state, const std::string& settings, const std::string& script, double per_run) {
  // A session of its own: only one may exist at a time, and the other
  // benchmarks of the program make theirs.
  PlanBench plan;
  plan.Run(settings);
  long allocations = 0;
  for (auto _ : state) {
    const long before = g_allocations.load();
    plan.Run(script);
    allocations = g_allocations.load() - before;
    state.PauseTiming();
    plan.Run("UNDO");
    state.ResumeTiming();
  }
  state.counters["walls"] = plan.walls;
  state.counters["allocations"] = static_cast<double>(allocations);
  state.counters["s/unit"] = benchmark::Counter(per_run * static_cast<double>(state.iterations()),
                                                benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Vertical hatch lines 500, 1,000 and 2,000 to the plan's width; the point
// in a room in the middle. s/unit is the time per scan line.
void BM_SmartHatchRoomOf2000Walls(benchmark::State& state) {
  const double distance = kPlanWidth / state.range(0);
  const double mid = kRoom * (kRooms / 2) + kRoom / 2;
  RunAndUndo(state, "VXHATCHOPT;" + Number(distance) + ";90", "VXHATCHSMART;all;" + Number(mid) + "," + Number(mid),
             static_cast<double>(state.range(0)));
}
BENCHMARK(BM_SmartHatchRoomOf2000Walls)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

// Hatch lines 500 to the plan's width; one jump of the cursor across the
// whole plan along the middle row of rooms paints all 500 (the walls at the
// room sides are crossed, not hatched). s/unit is the time per position of
// the whole run; the stroke's own share is this run less the next.
constexpr double kPaintDistance = kPlanWidth / 500;
const std::string kPaintSettings = "VXHATCHOPT;" + Number(kPaintDistance) + ";90";
const std::string kRow = Number(kRoom * (kRooms / 2) + kRoom / 2);

void BM_ScanHatchStrokeOver500Positions(benchmark::State& state) {
  RunAndUndo(state, kPaintSettings,
             "VXHATCHSCAN;all;<down " + Number(-kOvershoot) + "," + kRow + ">;<move " +
                 Number(kPlanWidth - kOvershoot) + "," + kRow + ">;<up " + Number(kPlanWidth - kOvershoot) + "," +
                 kRow + ">;<esc>",
             500);
}
BENCHMARK(BM_ScanHatchStrokeOver500Positions)->Unit(benchmark::kMillisecond);

void BM_ScanHatchSetupWithoutStroke(benchmark::State& state) {
  RunAndUndo(state, kPaintSettings, "VXHATCHSCAN;all;<esc>", 500);
}
BENCHMARK(BM_ScanHatchSetupWithoutStroke)->Unit(benchmark::kMillisecond);

}  // namespace
