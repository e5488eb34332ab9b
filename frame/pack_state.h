// Everything the pack keeps between the steps of a command and between runs
// lives in one object per loaded pack, made at load and destroyed at unload.
#pragma once

namespace vx {

struct PackState {
  // The text template of the text tools: the pack's only long-lived heap
  // block, allocated by the text tools when they first run.
  void* text_template = nullptr;
};

// The state of the loaded pack; only valid between load and unload.
PackState& Pack();

}  // namespace vx
