// Random bytes as the stored dimension scale table, then the commands that
// read it: the dialog (taken as shown), the scale-now command and an arc
// dimension drawn with the style they set. NaN, infinite and huge factors
// must not crash or leave a drawing that does not save and load again.
#include <array>
#include <cstddef>
#include <cstdint>

#include "fuzz/session_harness.h"
#include "measure/dim_scale_table.h"

namespace {

constexpr const char* kScript =
    "VXDIMSCALENOW\n"
    "VXDIMSCALE\n{press ok}\n"
    "VXDIMA\n10,0\n180\n0,10\n0,0\n6,6\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::filesystem::remove(vxfuzz::ScratchRegistry());
  std::array<std::uint8_t, vx::kDimScaleTableBytes> table{};
  std::copy(data, data + std::min(size, table.size()), table.begin());
  vxfuzz::StoreBinary(vx::kDimScaleKey, vx::kDimScaleValue, table.data(), size < table.size() ? size : table.size());
  vxfuzz::RunScript(kScript);
  return 0;
}
