// Which entities a walk visits, by the filter bits of the walk operation
// (docs/walk_filters.md).
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "headless/drawing/entity_node.h"

namespace vxh {

class SettingsTables;

class WalkFilter {
 public:
  // Layer flags are read once, when the walk starts.
  WalkFilter(int filter, const SettingsTables& tables);
  bool Passes(const EntityNode& node) const;

 private:
  std::uint32_t LayerFlags(std::uint16_t layer) const;

  bool selected_only_;
  std::uint32_t refused_layer_flags_ = 0;
  std::vector<std::pair<std::uint16_t, std::uint32_t>> layers_;  // sorted by id
};

}  // namespace vxh
