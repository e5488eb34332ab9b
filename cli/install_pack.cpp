// Every program that links the pack (the CLI, the tests, the benchmarks, the
// fuzz targets) installs its entry point into the headless host at start-up,
// as loading the library does on Windows.
#include "frame/entry_point.h"
#include "headless/session/pack_entry.h"

namespace {

const bool g_pack_installed = (vxh::InstallPack({&vx::PackAttach, &vx::PackDetach}), true);

}  // namespace
