// The benchmarks run under the memory policy the host sets for every
// session, so that figures for parts measured without a session (drawing
// lists, undo, files) match what the CLI sees.
#include <benchmark/benchmark.h>

#include "headless/session/memory_policy.h"

int main(int argc, char** argv) {
  vxh::KeepFreedMemory();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
