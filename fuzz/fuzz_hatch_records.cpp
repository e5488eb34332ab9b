// Random bytes as the hatch options and hatch settings records in the
// registry, then the fill commands over a box with a hole: any stored record
// must give hatch lines or an error box, never a crash, a hang or a drawing
// that does not save and load again.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/session_harness.h"
#include "hatch/hatch_records.h"
#include "hatch/registry_keys.h"

namespace {

constexpr const char* kScript =
    "BOX; 0,0; 100,60\n"
    "CIRP; 50,30; 70,30\n"
    "VXHATCHSTANDARD; window -1,-1 101,61\n"
    "VXHATCHSMART; 10,10\n";

template <typename Record>
Record Take(const std::uint8_t*& data, std::size_t& size) {
  Record record;
  const std::size_t n = std::min(size, record.bytes.size());
  std::copy(data, data + n, record.bytes.begin());
  data += n;
  size -= n;
  return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::filesystem::remove(vxfuzz::ScratchRegistry());
  const vx::HatchOptions options = Take<vx::HatchOptions>(data, size);
  const vx::HatchSettings settings = Take<vx::HatchSettings>(data, size);
  vxfuzz::StoreBinary(vx::kHatchKey, vx::kOptionsValue, options.bytes.data(), options.bytes.size());
  vxfuzz::StoreBinary(vx::kHatchSettingsKey, std::string(options.SettingsName()), settings.bytes.data(),
                      settings.bytes.size());
  vxfuzz::RunScript(kScript);
  return 0;
}
