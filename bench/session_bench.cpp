// A run's start-up as the CLI pays it: the session loads the pack (its entry
// point registers the commands and reads its settings), opens a new drawing
// and runs the first command to its end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "headless/registry/registry_store.h"
#include "headless/session/session.h"

namespace {

const std::string kRegistry = "/tmp/vorlix_session_bench.sqlite3";

// A registry that exists, as after a user's first run, so reading settings
// opens the database.
void MakeRegistry() {
  vxh::registry::Store(kRegistry).Set("Software\\Quoravia\\Vorlix\\VXHatch\\PAT Files", "/none.pat", 3, {});
}

void StartAndRun(benchmark::State& state, const std::string& first_command) {
  MakeRegistry();
  std::ostringstream transcript;
  for (auto _ : state) {
    vxh::Session session(transcript, {kRegistry, "", "", ""});
    session.RunText(first_command, "bench.vxs");
    transcript.str("");
  }
  std::remove(kRegistry.c_str());
}

void BM_SessionStartToFirstLine(benchmark::State& state) { StartAndRun(state, "LINE; 0,0; 10,0; <enter>\n"); }
BENCHMARK(BM_SessionStartToFirstLine)->Unit(benchmark::kMicrosecond);

// A text: the text defaults and the stroke font behind them.
void BM_SessionStartToFirstText(benchmark::State& state) { StartAndRun(state, "TEXT; 0,0; \"Vorlix\"\n"); }
BENCHMARK(BM_SessionStartToFirstText)->Unit(benchmark::kMicrosecond);

// A pack command that reads its settings and PAT file list from the
// registry and ends at once.
void BM_SessionStartToFirstHatchCancelled(benchmark::State& state) { StartAndRun(state, "VXHATCHSTANDARD; <esc>\n"); }
BENCHMARK(BM_SessionStartToFirstHatchCancelled)->Unit(benchmark::kMicrosecond);

}  // namespace
