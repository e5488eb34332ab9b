// What the layer, order and grouping tools keep in the pack's state object:
// the layer filter text (kept between runs), the pick buffers and the
// prompt records of the layer messages.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/kv_types.h"
#include "host/prompt_record.h"

namespace vx {

inline constexpr std::size_t kLayerFilterBytes = 128;
// The host writes a text answer of up to this many bytes.
inline constexpr std::size_t kLayerAnswerBytes = 260;

// What a filter command does to every matching layer.
enum class FilterMode : int { kHide = 0, kShow = 1, kThaw = 2, kFreeze = 3 };

struct LayersState {
  // VXHIDEF, VXSHOWF, VXTHAWF, VXFREEZEF: the pattern, starting empty.
  char filter[kLayerFilterBytes] = {};
  FilterMode filter_mode = FilterMode::kHide;
  // The answer lands here first, so only a pattern that fits the filter is
  // kept and a longer one never runs past it.
  char filter_answer[kLayerAnswerBytes] = {};

  // VXLAYERS.
  Entity picked = nullptr;
  int show_mode = 0;            // 1 while the view of the hidden layers is shown
  PromptRecord display_prompt;  // "Layer: !01"
  PromptRecord current_prompt;  // "Can't hide current layer: !01"

  // VXSAMEAS.
  Entity pattern = nullptr;
  std::int32_t sides = 0;
  double centre[2] = {0, 0};
  PromptRecord rpoly_prompt;  // "RPOLY;!01;!02;;;"
  // The formatted script: room for two points of any finite doubles with
  // eight decimals.
  char script[1024] = {};
};

}  // namespace vx
