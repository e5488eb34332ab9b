// DXF import of a drawing with 100,000 entities (lines, polylines, circles,
// arcs and texts in turn), written once per run.
#include <benchmark/benchmark.h>
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "headless/drawing/document.h"
#include "headless/dxf/dxf_file.h"
#include "headless/dxf/dxf_structure.h"

namespace {

void WriteEntity(std::ofstream& out, int i) {
  const double x = i % 1000, y = i / 1000;
  switch (i % 5) {
    case 0:
      out << "0\nLINE\n8\n0\n10\n"
          << x << "\n20\n"
          << y << "\n30\n0\n11\n"
          << x + 1 << "\n21\n"
          << y + 1 << "\n31\n0\n";
      break;
    case 1:
      out << "0\nLWPOLYLINE\n8\n0\n90\n3\n70\n1\n10\n"
          << x << "\n20\n"
          << y << "\n10\n"
          << x + 1 << "\n20\n"
          << y << "\n10\n"
          << x << "\n20\n"
          << y + 1 << "\n";
      break;
    case 2: out << "0\nCIRCLE\n8\n0\n10\n" << x << "\n20\n" << y << "\n30\n0\n40\n0.5\n"; break;
    case 3: out << "0\nARC\n8\n0\n10\n" << x << "\n20\n" << y << "\n30\n0\n40\n0.5\n50\n10\n51\n200\n"; break;
    default: out << "0\nTEXT\n8\n0\n10\n" << x << "\n20\n" << y << "\n30\n0\n40\n0.25\n1\nT" << i << "\n"; break;
  }
}

std::string WriteLargeDxf(int entities) {
  const std::string path = (std::filesystem::temp_directory_path() / "vorlix_bench_100k.dxf").string();
  std::ofstream out(path);
  out << "0\nSECTION\n2\nENTITIES\n";
  for (int i = 0; i < entities; ++i) WriteEntity(out, i);
  out << "0\nENDSEC\n0\nEOF\n";
  return path;
}

void BM_ImportDxf100k(benchmark::State& state) {
  const std::string path = WriteLargeDxf(100000);
  for (auto _ : state) {
    vxh::DxfImport import = vxh::ReadDxf(path);
    benchmark::DoNotOptimize(import.doc.get());
  }
  std::filesystem::remove(path);
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_ImportDxf100k)->Unit(benchmark::kMillisecond);

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The whole import from text in memory, in bytes of DXF text per second.
void BM_ImportDxfText(benchmark::State& state) {
  const std::string path = WriteLargeDxf(100000);
  const std::string bytes = FileBytes(path);
  std::filesystem::remove(path);
  for (auto _ : state) {
    vxh::DxfImport import = vxh::ReadDxfText(bytes, "bench.dxf");
    benchmark::DoNotOptimize(import.doc.get());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ImportDxfText)->Unit(benchmark::kMillisecond);

// The import's own pass over the text (checks, entity counts, hatch patterns).
void BM_ScanDxf(benchmark::State& state) {
  const std::string path = WriteLargeDxf(100000);
  const std::string bytes = FileBytes(path);
  std::filesystem::remove(path);
  for (auto _ : state) benchmark::DoNotOptimize(vxh::dxf::ScanDxf(bytes, "bench.dxf"));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ScanDxf)->Unit(benchmark::kMillisecond);

// dxflib alone, reading the same text into callbacks that do nothing: the
// ceiling for an import through it.
void BM_DxflibAlone(benchmark::State& state) {
  const std::string path = WriteLargeDxf(100000);
  const std::string bytes = FileBytes(path);
  std::filesystem::remove(path);
  for (auto _ : state) {
    DL_CreationAdapter nothing;
    std::istringstream stream(bytes);
    DL_Dxf reader;
    benchmark::DoNotOptimize(reader.in(stream, &nothing));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_DxflibAlone)->Unit(benchmark::kMillisecond);

}  // namespace
