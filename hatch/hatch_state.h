// What the hatch commands keep in the pack's state object: the two records
// (read from the registry by every command), the PAT pattern list and the
// boundary list of the command that is running.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "hatch/hatch_records.h"
#include "hatch/pat_list.h"
#include "hatch/scan_state.h"
#include "host/kv_types.h"
#include "host/prompt_record.h"

namespace vx {

// The answers of the hatch option commands. The records' fields sit at odd
// offsets, so the host writes answers here first.
struct HatchOptionAnswers {
  // VXHATCHOPT: the simple line settings it changes and their prompt.
  double distance = 0;
  double angle = 0;
  std::string settings_name;
  PromptRecord prompt;
  // VXHATCHOPTMOD.
  double modify_scale = 1;
  double modify_rotation = 0;
  double modify_offset[2] = {0, 0};
  // VXHATCHOPTSEL. The host fills a text answer into a buffer of this size;
  // the record's fields are smaller, so the answer is cut to the field.
  static constexpr std::size_t kTextAnswerBytes = 260;
  std::int32_t kind = 0;
  char name[kTextAnswerBytes] = {};
};

struct HatchState {
  HatchOptions options = DefaultHatchOptions();
  HatchSettings settings = DefaultHatchSettings();
  // The settings a fill works with: `settings` with the pattern modification
  // applied. Kept apart so that a second fill, with no settings stored in the
  // registry, does not scale the already scaled distance again.
  HatchSettings prepared = DefaultHatchSettings();
  PatList patterns;
  DList* boundary = nullptr;  // "~HatchBorder.kvd" while a fill command runs
  HatchOptionAnswers answers;
  double smart_point[2] = {0, 0};  // VXHATCHSMART: the point picked in the area
  ScanPaintState scan;             // VXHATCHSCAN while its strokes are painted
};

// The hatch part of the loaded pack's state.
HatchState& Hatch();

}  // namespace vx
