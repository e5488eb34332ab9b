// Host operations the headless host does not provide yet. Each one fails
// loudly, naming itself, so a command that reaches one stops with a clear
// error instead of acting on made-up results.
#include "headless/host_error.h"
#include "host/host_api.h"
#include "host/win_api.h"

namespace vx {

extern "C" {

// ---- Entities ---------------------------------------------------------------
int KVAPI EStretch(Entity, const double*, const double*) { vxh::NotBuilt("EStretch"); }

// ---- Geometry of texts and cursor snapping --------------------------------

// ---- Dialogs and their controls --------------------------------------------

// ---- Strings and colours -----------------------------------------------------

// ---- Files and registry ------------------------------------------------------

}  // extern "C"

}  // namespace vx

// ---- Windows services ----------------------------------------------------------
extern "C" {}  // extern "C"
