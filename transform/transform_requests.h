// Requests and endings that every transform command shares.
#pragma once

#include "host/kv_types.h"

namespace vx {

// Host message numbers of the transform prompts.
inline constexpr int kMsgMoveFrom = 4237;
inline constexpr int kMsgCopyFrom = 4268;
inline constexpr int kMsgPlaceAgain = 4238;

// The help number that the placement prompts pass to the host.
inline constexpr int kPlacementHelp = 723;
// Rubber-band mode of the "from" and "origin" point prompts.
inline constexpr std::intptr_t kModeFromPoint = 8;
// Point request flags of the placement prompts: numbers accepted, plus 2.
inline constexpr int kPlacementFlags = 0x22;
inline constexpr int kReqFlag2 = 0x2;

// The standard selection request (host message 4197).
void AskSelection(Continuation next);

// A cancel before the selection was collected: the marked entities are drawn
// normally again and the command ends.
void EndRedrawingSelection();

}  // namespace vx
