// Owner-drawn controls are drawn by the pack: when a dialog shows and after
// each of its answers, every visible owner-drawn button and the entries of
// every visible owner-drawn list that fit its height get a draw call with a
// device context and the item's rectangle in pixels.
#pragma once

#include "headless/dialogs/dialog_object.h"

namespace vxh::dialogs {

// Entries of owner-drawn lists are this many pixels high.
inline constexpr int kOwnerDrawnItemHeight = 45;

void PaintOwnerDrawn(vx::Dlg& dialog);

}  // namespace vxh::dialogs
