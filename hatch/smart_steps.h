// The steps between the scan lines of a smart hatch: one cycle of the simple
// line pattern (scan line 1, then each further scan line that is on, each
// offset counting from the line before it) adds up to the hatch distance.
#pragma once

#include <cstdint>
#include <string_view>

#include "hatch/hatch_records.h"

namespace vx {

struct SmartSteps {
  static constexpr int kMax = 4;
  int count = 0;
  double step[kMax] = {};
  std::uint16_t style[kMax] = {};
};

// Builds the steps of `settings`; `style_of` gives a line style's number from
// its name (0 when unknown). Returns false when the sweep could not advance:
// a distance that is not a positive finite number, or a step that is not
// positive (offsets adding up to the distance or more, or a zero or negative
// offset), since the scan lines would then stand still or run backwards.
// What the smart and the scan/paint hatch say when BuildSmartSteps refuses the settings.
inline constexpr char kBadStepsText[] =
    "Error: The hatch distance must be larger than the scan line offsets together\n\nExiting...";

bool BuildSmartSteps(const HatchSettings& settings, std::uint16_t (*style_of)(std::string_view), SmartSteps& out);

// The smallest step of a table BuildSmartSteps accepted.
double SmallestStep(const SmartSteps& steps);

}  // namespace vx
