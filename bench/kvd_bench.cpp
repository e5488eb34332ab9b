// The .kvd file against memory speed: encoding and decoding alone, and a
// whole save and load through the file system, in bytes per second, for a
// million lines (about 70 MB).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/kvd/kvd_file.h"
#include "host/record.h"
#include "tests/support/records.h"

namespace {

constexpr int kLines = 1000000;
const std::string kFile = "/tmp/vorlix_kvd_bench.kvd";

std::unique_ptr<vxh::Document> MillionLines() {
  auto doc = std::make_unique<vxh::Document>();
  std::vector<std::uint8_t> line = vxtest::Line(0, 0, 1, 1);
  for (int i = 0; i < kLines; ++i) {
    vx::PutF64(line.data(), vx::kLineX1, i);
    doc->WorkDL()->AddRecord(line.data());
  }
  return doc;
}

// The floor: copying the same bytes once.
void BM_KvdMemcpy(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = vxh::EncodeKvd(*MillionLines());
  std::vector<std::uint8_t> copy(bytes.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), bytes.data(), bytes.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_KvdMemcpy)->Unit(benchmark::kMillisecond);

void BM_KvdEncode(benchmark::State& state) {
  const auto doc = MillionLines();
  std::size_t size = 0;
  for (auto _ : state) {
    const std::vector<std::uint8_t> bytes = vxh::EncodeKvd(*doc);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_KvdEncode)->Unit(benchmark::kMillisecond);

void BM_KvdDecode(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = vxh::EncodeKvd(*MillionLines());
  for (auto _ : state) {
    auto doc = vxh::DecodeKvd(bytes.data(), bytes.size(), "bench");
    benchmark::DoNotOptimize(doc.get());
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_KvdDecode)->Unit(benchmark::kMillisecond);

void BM_KvdSaveFile(benchmark::State& state) {
  const auto doc = MillionLines();
  for (auto _ : state) vxh::SaveKvd(*doc, kFile);
  const std::size_t size = vxh::EncodeKvd(*doc).size();
  std::remove(kFile.c_str());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_KvdSaveFile)->Unit(benchmark::kMillisecond);

void BM_KvdLoadFile(benchmark::State& state) {
  const auto saved = MillionLines();
  vxh::SaveKvd(*saved, kFile);
  const std::size_t size = vxh::EncodeKvd(*saved).size();
  for (auto _ : state) {
    auto doc = vxh::LoadKvd(kFile);
    benchmark::DoNotOptimize(doc.get());
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  std::remove(kFile.c_str());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_KvdLoadFile)->Unit(benchmark::kMillisecond);

}  // namespace
