#include "text/text_state.h"

#include "frame/pack_state.h"

namespace vx {

TextState& Text() { return Pack().text; }

}  // namespace vx
