// The walks over the working list that the text commands share. Both descend
// into groups (whose members get no symbol context) and symbol instances
// (whose members get the instance as context; a nested instance replaces the
// outer one, the transforms are not combined).
#pragma once

#include "text/text_frame.h"

namespace vx {

// Empties the candidate list and fills it with the texts the command's rule
// accepts, walking the working list with the filter (kWalkAll, or
// kWalkSelected for the sequence's selection mode). Texts on hidden layers
// (and for the sequence, frozen ones) are left out.
void CollectCandidates(const TextCommand& command, int filter);

// Changes every selected text the command's rule accepts; top-level entities
// that it does not accept lose their selection mark and are drawn again.
void ApplyToSelection(const TextCommand& command);

}  // namespace vx
