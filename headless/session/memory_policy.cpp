#include "headless/session/memory_policy.h"

#include <malloc.h>

namespace vxh {

namespace {

// Up to this much free memory stays with the process; larger blocks than
// the map threshold still come from (and go back to) the system directly.
constexpr int kTrimThreshold = 256 << 20;
constexpr int kMapThreshold = 32 << 20;

}  // namespace

void KeepFreedMemory() {
#if defined(__GLIBC__)
  mallopt(M_TRIM_THRESHOLD, kTrimThreshold);
  mallopt(M_MMAP_THRESHOLD, kMapThreshold);
#endif
}

}  // namespace vxh
