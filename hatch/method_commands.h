// The fill command of each fill method, by the name a user types.
#pragma once

#include <cstdint>

#include "hatch/hatch_layout.h"

namespace vx {

// Null for a method outside 0 to 2.
inline const char* MethodCommandName(std::int32_t method) {
  switch (method) {
    case kMethodScan: return "VXHATCHSCAN";
    case kMethodSmart: return "VXHATCHSMART";
    case kMethodRegular: return "VXHATCHSTANDARD";
    default: return nullptr;
  }
}

}  // namespace vx
