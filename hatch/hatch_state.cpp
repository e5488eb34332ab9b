#include "hatch/hatch_state.h"

#include "frame/pack_state.h"

namespace vx {

HatchState& Hatch() { return Pack().hatch; }

}  // namespace vx
