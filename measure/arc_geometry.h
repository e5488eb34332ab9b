// The arc of an arc dimension: which way round it runs between the two
// leaders so that it passes through the point where the user placed it.
#pragma once

#include <cstdint>

#include "host/pack_constants.h"
#include "measure/measure_state.h"

namespace vx {

inline constexpr double kDimTwoPi = 2 * kPackPi;
static_assert(kDimTwoPi == 6.2831853);

// Stores radius, start, sweep and the two leader lengths for the arc
// through `placed` into the record (its centre already set).
void ComputeDimArc(const ArcDimState& s, std::uint8_t* record, const double* placed);

// Records whether the text position's direction from the centre lies within
// the sweep (0) or outside it (1).
void SetDimTextSide(std::uint8_t* record);

}  // namespace vx
