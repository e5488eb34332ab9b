#include "headless/drawing/walk_filter.h"

#include <algorithm>

#include "headless/drawing/settings_tables.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

WalkFilter::WalkFilter(int filter, const SettingsTables& tables) : selected_only_((filter & vx::kWalkSelected) != 0) {
  if (filter & vx::kWalkVisible) refused_layer_flags_ |= vx::kLayerHidden;
  if (filter & vx::kWalkUnfrozen) refused_layer_flags_ |= vx::kLayerFrozen;
  if (refused_layer_flags_ == 0) return;
  ForEachRecord(tables, vx::kTableLayers, [this](const std::uint8_t* layer) {
    layers_.emplace_back(vx::GetU16(layer, vx::kLayerId), vx::GetU32(layer, vx::kLayerFlags));
  });
  std::sort(layers_.begin(), layers_.end());
}

// An entity on a layer the table does not know is treated as on a visible,
// thawed layer: it is drawn, so it can be picked.
std::uint32_t WalkFilter::LayerFlags(std::uint16_t layer) const {
  auto it = std::lower_bound(layers_.begin(), layers_.end(), std::make_pair(layer, std::uint32_t{0}));
  return it != layers_.end() && it->first == layer ? it->second : 0;
}

bool WalkFilter::Passes(const EntityNode& node) const {
  if (node.state.removed) return false;
  if (selected_only_ && !node.state.selected) return false;
  if (refused_layer_flags_ == 0) return true;
  const std::uint8_t* record = reinterpret_cast<const std::uint8_t*>(&node) + kNodeHeaderBytes;
  return (LayerFlags(vx::GetU16(record, vx::kHdrLayer)) & refused_layer_flags_) == 0;
}

}  // namespace vxh
