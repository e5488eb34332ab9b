// What the hatch commands keep in the pack's state object: the two records
// (read from the registry by every command), the PAT pattern list and the
// boundary list of the command that is running.
#pragma once

#include "hatch/hatch_records.h"
#include "hatch/pat_list.h"
#include "host/kv_types.h"

namespace vx {

struct HatchState {
  HatchOptions options = DefaultHatchOptions();
  HatchSettings settings = DefaultHatchSettings();
  // The settings a fill works with: `settings` with the pattern modification
  // applied. Kept apart so that a second fill, with no settings stored in the
  // registry, does not scale the already scaled distance again.
  HatchSettings prepared = DefaultHatchSettings();
  PatList patterns;
  DList* boundary = nullptr;  // "~HatchBorder.kvd" while a fill command runs
};

// The hatch part of the loaded pack's state.
HatchState& Hatch();

}  // namespace vx
