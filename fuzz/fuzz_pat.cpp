// libFuzzer target for the PAT-file reader: any bytes, with or without a NUL,
// must parse without reading past the buffer, crashing or hanging.
#include <cstddef>
#include <cstdint>

#include "hatch/pat_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vx::PatList list;
  vx::ParsePatText(reinterpret_cast<const char*>(data), size, list);
  for (const vx::PatPattern& pattern : list.patterns) {
    if (pattern.name.size() > vx::kPatNameMax) __builtin_trap();
    for (const vx::PatFamily& family : pattern.families) {
      if (family.dashes.size() > static_cast<std::size_t>(vx::kPatMaxDashes)) __builtin_trap();
      if (family.delta_y == 0.0) __builtin_trap();
    }
  }
  return 0;
}
